#pragma once
// Small JPEGs made in memory for the codec's tests, and the byte surgery the
// tests do on them.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace testsupport {

enum class JpegColours {
    rgb,   // three components, YCbCr in the file
    grey,  // one component
    cmyk,  // four components with an Adobe marker, stored inverted (255 = no ink)
};

struct JpegOptions {
    int width = 64;
    int height = 48;
    JpegColours colours = JpegColours::rgb;
    int quality = 100;
    bool fullChroma = true;  // 4:4:4; false leaves libjpeg's 4:2:0
    bool progressive = false;
};

// The samples of the pixel at (x, y): 0x00RRGGBB for rgb, the low byte for
// grey, 0xCCMMYYKK for cmyk.
using PixelSource = std::function<uint32_t(int x, int y)>;

// Encodes a JPEG. Throws std::runtime_error when libjpeg fails.
std::vector<uint8_t> encodeJpeg(const JpegOptions& options, const PixelSource& pixel);

// The offset just after the first segment with `marker` (0xE0 for APP0, 0xDA
// for the first scan's header). Throws std::runtime_error when there is none.
size_t segmentEnd(const std::vector<uint8_t>& jpeg, uint8_t marker);

// Rewrites the frame header's size, leaving the data as it is.
void setFrameSize(std::vector<uint8_t>& jpeg, int width, int height);

}  // namespace testsupport

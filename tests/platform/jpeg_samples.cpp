#include "platform/jpeg_samples.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// jpeglib.h needs size_t and FILE declared before it (<cstdio>).
#include <jpeglib.h>

namespace testsupport {
namespace {

struct Encoder {
    Encoder() {
        cinfo.err = jpeg_std_error(&errors);
        cinfo.client_data = this;
        errors.error_exit = [](j_common_ptr c) {
            std::longjmp(static_cast<Encoder*>(c->client_data)->jump, 1);
        };
    }
    ~Encoder() {
        jpeg_destroy_compress(&cinfo);
        std::free(output);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    Encoder(Encoder&&) = delete;  // libjpeg keeps pointers into it
    Encoder& operator=(Encoder&&) = delete;

    jpeg_error_mgr errors{};
    jpeg_compress_struct cinfo{};
    std::jmp_buf jump{};
    unsigned char* output = nullptr;  // libjpeg's malloc'd buffer
    unsigned long outputSize = 0;
};

int componentsOf(JpegColours colours) {
    switch (colours) {
        case JpegColours::grey:
            return 1;
        case JpegColours::cmyk:
            return 4;
        case JpegColours::rgb:
            break;
    }
    return 3;
}

J_COLOR_SPACE colourSpaceOf(JpegColours colours) {
    switch (colours) {
        case JpegColours::grey:
            return JCS_GRAYSCALE;
        case JpegColours::cmyk:
            return JCS_CMYK;
        case JpegColours::rgb:
            break;
    }
    return JCS_RGB;
}

// Samples in file order: R G B, grey, or C M Y K per pixel.
std::vector<JSAMPLE> samplesOf(const JpegOptions& options, const PixelSource& pixel) {
    const int components = componentsOf(options.colours);
    std::vector<JSAMPLE> samples;
    samples.reserve(static_cast<size_t>(options.width) * static_cast<size_t>(options.height) *
                    static_cast<size_t>(components));
    for (int y = 0; y < options.height; ++y) {
        for (int x = 0; x < options.width; ++x) {
            const uint32_t value = pixel(x, y);
            for (int c = components - 1; c >= 0; --c) {
                samples.push_back(static_cast<JSAMPLE>(value >> (8 * c)));
            }
        }
    }
    return samples;
}

// The frame that setjmp returns to holds nothing with a destructor.
bool compress(Encoder& encoder, const JpegOptions& options, const std::vector<JSAMPLE>& samples) {
    jpeg_compress_struct& cinfo = encoder.cinfo;
    if (setjmp(encoder.jump) != 0) return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &encoder.output, &encoder.outputSize);
    cinfo.image_width = static_cast<JDIMENSION>(options.width);
    cinfo.image_height = static_cast<JDIMENSION>(options.height);
    cinfo.input_components = componentsOf(options.colours);
    cinfo.in_color_space = colourSpaceOf(options.colours);
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.fullChroma) {
        for (int c = 0; c < cinfo.num_components; ++c) {
            cinfo.comp_info[c].h_samp_factor = 1;
            cinfo.comp_info[c].v_samp_factor = 1;
        }
    }
    if (options.progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    const size_t stride =
        static_cast<size_t>(options.width) * static_cast<size_t>(cinfo.input_components);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg's API is not const-correct; it only reads the row.
        auto* row = const_cast<JSAMPROW>(samples.data() + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

uint16_t readU16(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint16_t>(bytes.at(at) << 8 | bytes.at(at + 1));
}

void writeU16(std::vector<uint8_t>& bytes, size_t at, int value) {
    bytes.at(at) = static_cast<uint8_t>(value >> 8);
    bytes.at(at + 1) = static_cast<uint8_t>(value);
}

// The offset of the first segment whose marker satisfies `wanted`.
template <typename Predicate>
size_t findSegment(const std::vector<uint8_t>& jpeg, Predicate wanted) {
    for (size_t at = 2; at + 4 <= jpeg.size() && jpeg[at] == 0xFF;) {
        if (wanted(jpeg[at + 1])) return at;
        at += 2 + readU16(jpeg, at + 2);
    }
    throw std::runtime_error("segment not found in the test JPEG");
}

}  // namespace

std::vector<uint8_t> encodeJpeg(const JpegOptions& options, const PixelSource& pixel) {
    const std::vector<JSAMPLE> samples = samplesOf(options, pixel);
    Encoder encoder;
    if (!compress(encoder, options, samples)) throw std::runtime_error("libjpeg could not encode");
    return {encoder.output, encoder.output + encoder.outputSize};
}

size_t segmentEnd(const std::vector<uint8_t>& jpeg, uint8_t marker) {
    const size_t at = findSegment(jpeg, [marker](uint8_t m) { return m == marker; });
    return at + 2 + readU16(jpeg, at + 2);
}

void setFrameSize(std::vector<uint8_t>& jpeg, int width, int height) {
    // SOF0 .. SOF2: baseline, extended, progressive.
    const size_t at = findSegment(jpeg, [](uint8_t m) { return m >= 0xC0 && m <= 0xC2; });
    writeU16(jpeg, at + 5, height);
    writeU16(jpeg, at + 7, width);
}

}  // namespace testsupport

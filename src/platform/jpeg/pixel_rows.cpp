#include "platform/jpeg/pixel_rows.h"

#include <bit>

namespace platform::jpeg {
namespace {

// Pixels are read and written as 32-bit words: B, G, R, X in memory.
static_assert(std::endian::native == std::endian::little);

constexpr uint32_t kRgbMask = 0x00FFFFFF;

// a * b / 255, rounded.
constexpr uint32_t scale(uint32_t a, uint32_t b) noexcept { return (a * b + 127) / 255; }

}  // namespace

void clearTopBytes(uint32_t* pixels, size_t count) noexcept {
    for (size_t i = 0; i < count; ++i) pixels[i] &= kRgbMask;
}

void cmykToRgb(uint32_t* pixels, size_t count, bool inverted) noexcept {
    const uint32_t flip = inverted ? 0 : 0xFFFFFFFF;  // to "255 = no ink" form
    for (size_t i = 0; i < count; ++i) {
        const uint32_t cmyk = pixels[i] ^ flip;
        const uint32_t k = cmyk >> 24;
        const uint32_t r = scale(cmyk & 0xFF, k);
        const uint32_t g = scale((cmyk >> 8) & 0xFF, k);
        const uint32_t b = scale((cmyk >> 16) & 0xFF, k);
        pixels[i] = (r << 16) | (g << 8) | b;
    }
}

}  // namespace platform::jpeg

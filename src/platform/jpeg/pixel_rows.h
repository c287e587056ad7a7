#pragma once
// Turning the samples libjpeg writes into the bitmap's 0x00RRGGBB pixels, in
// place, a few rows at a time while they are still in the cache.

#include <cstddef>
#include <cstdint>

namespace platform::jpeg {

// BGRX output leaves the X byte as it was, or sets it, depending on the path
// libjpeg takes; the bitmap's top byte is always 0.
void clearTopBytes(uint32_t* pixels, size_t count) noexcept;

// CMYK samples (bytes C, M, Y, K per pixel, as libjpeg gives them) to RGB.
// `inverted`: the file stores 255 for no ink, as the programs that write an
// Adobe marker do.
void cmykToRgb(uint32_t* pixels, size_t count, bool inverted) noexcept;

}  // namespace platform::jpeg

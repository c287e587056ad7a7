#pragma once
// The one picture format the program hands to GDI: 32 bits a pixel, rows from
// the top down, as base::Bitmap keeps them.

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

// The header of a `width` × `rows` picture in that format.
BITMAPINFO topDown32(int32_t width, int32_t rows);

}  // namespace platform::win32

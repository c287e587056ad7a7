#pragma once
// Drawing pictures (32-bit, top-down rows) on a DC without copying them: the
// pixels go straight from the picture's memory to the device.

#include <windows.h>

#include <cstdint>

#include "base/bitmap.h"
#include "ui/types.h"

namespace ui::win32 {

// Copies `width` × `rows` pixels, unscaled, from (sourceLeft, sourceTop) of
// the picture to (x, y). Only those rows are read: a scroll step of a
// 60,000-row picture touches a window's height of it.
void drawPictureBand(HDC dc, const base::Bitmap& picture, int x, int y, int64_t sourceLeft,
                     int64_t sourceTop, int width, int rows);

// Stretches the part `source` of the picture (in its pixels) over `target`.
void stretchPicture(HDC dc, const base::Bitmap& picture, const RECT& target, const RECT& source);

// The colour to draw with: a system colour resolved, any other as it is.
COLORREF colorRef(Color color);

// Fills a rectangle with a colour (0x00BBGGRR, or a system colour).
void fillRect(HDC dc, const RECT& rect, Color color);

}  // namespace ui::win32

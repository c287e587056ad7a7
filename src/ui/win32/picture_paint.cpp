#include "ui/win32/picture_paint.h"

#include "platform/win32/dib_format.h"
#include "platform/win32/scoped_handles.h"

namespace ui::win32 {

using platform::win32::topDown32;

void drawPictureBand(HDC dc, const base::Bitmap& picture, int x, int y, int64_t sourceLeft,
                     int64_t sourceTop, int width, int rows) {
    if (width <= 0 || rows <= 0 || sourceLeft < 0 || sourceTop < 0 ||
        sourceLeft + width > picture.width() || sourceTop + rows > picture.height()) {
        return;
    }
    // The band is described as a picture of its own, `rows` high, starting at
    // its first row: the whole of it is copied, so the system's way of
    // counting rows of a top-down picture cannot matter.
    const BITMAPINFO band = topDown32(picture.width(), rows);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(rows),
                      static_cast<int>(sourceLeft), 0, 0, static_cast<UINT>(rows),
                      picture.row(static_cast<int32_t>(sourceTop)), &band, DIB_RGB_COLORS);
}

void stretchPicture(HDC dc, const base::Bitmap& picture, const RECT& target, const RECT& source) {
    const int sourceWidth = source.right - source.left;
    const int sourceHeight = source.bottom - source.top;
    if (sourceWidth <= 0 || sourceHeight <= 0 || target.right <= target.left ||
        target.bottom <= target.top) {
        return;
    }
    const BITMAPINFO whole = topDown32(picture.width(), picture.height());
    // For a top-down picture StretchDIBits counts the source's rows from the
    // bottom.
    const int bottomUpTop = picture.height() - source.top - sourceHeight;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, target.left, target.top, target.right - target.left,
                  target.bottom - target.top, source.left, bottomUpTop, sourceWidth, sourceHeight,
                  picture.data(), &whole, DIB_RGB_COLORS, SRCCOPY);
}

COLORREF colorRef(Color color) {
    constexpr Color systemColor = 0x80000000;
    return (color & systemColor) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

void fillRect(HDC dc, const RECT& rect, Color color) {
    const platform::win32::ScopedBrush brush(CreateSolidBrush(colorRef(color)));
    FillRect(dc, &rect, brush.get());
}

}  // namespace ui::win32

#pragma once
// The part of a picture, drawn scaled into a rectangle, that lands on a sheet:
// what a printer needs to be sent of it.

#include <cstdint>
#include <optional>

namespace base {

struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct SheetPart {
    PixelRect source;       // in picture pixels, whole pixels only
    PixelRect destination;  // where that source lands, in sheet units
};

// A picture of pictureWidth × pictureHeight pixels drawn into (x, y, width,
// height) on a sheetWidth × sheetHeight sheet: the picture pixels that touch
// the sheet and the rectangle they fill, which may reach up to one picture
// pixel past the sheet's edge (the printer clips it). Each pixel's place is
// worked out the same way whatever the sheet, so a picture tiled over sheets
// joins without gaps. Nothing when no pixel lands on the sheet.
std::optional<SheetPart> partOnSheet(int32_t pictureWidth, int32_t pictureHeight, double x,
                                     double y, double width, double height, double sheetWidth,
                                     double sheetHeight);

}  // namespace base

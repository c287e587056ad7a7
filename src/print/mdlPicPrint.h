#pragma once
// Printing the viewer's picture on the current printer: on one sheet, scaled
// to fit and framed by the page's title and address, or tiled at its printed
// size over as many sheets across and down as it needs, sheets coming out
// column by column. A title or address wider than the sheet goes on over
// further lines, which the layout makes room for; the picture is sent at
// the resolution it prints, never finer.
//
// Failures (of the printer, or arithmetic on a picture or printable area of
// no size) raise base::AppError; the job begun is then aborted, so nothing
// half-printed stays in the spooler.

#include <cstdint>
#include <string_view>
#include <utility>

#include "base/bitmap.h"
#include "platform/printer_device.h"

namespace ui {
class PictureBox;
}

namespace mdlPicPrint {

// The picture holder as printing measures it. The holder takes the size of
// its picture and measures inside in twips, so the picture prints at the size
// it has on the screen.
struct PictureHolder {
    base::Picture picture;
    double width = 0;  // outer size, in its container's pixels
    double height = 0;
    double scaleWidth = 0;  // inner size, in twips
    double scaleHeight = 0;
    double naturalWidth = 0;  // the picture's size in HIMETRIC (0.01 mm)
    double naturalHeight = 0;
};

// `box` (sized to its picture, in pixels of a form with these twips per pixel)
// as a picture holder.
PictureHolder holderOf(const ui::PictureBox& box, double twipsPerPixelX, double twipsPerPixelY);

// Prints on one sheet when `shrunk` or when the picture fits the paper, tiled
// otherwise. An empty title prints neither title nor address.
void printImage(platform::PrinterDevice& printer, const PictureHolder& holder, bool shrunk,
                std::string_view title, std::string_view address);

// Tiled printing: the title (bold) on top of the first sheet, the address at
// the foot of the last sheet of the first column, below the picture's end.
void printTiled(platform::PrinterDevice& printer, const PictureHolder& holder,
                std::string_view title, std::string_view address);

// Whether the picture's natural size (HIMETRIC) exceeds the paper's size as
// the printer reports it (twips), compared number to number.
bool isTooBigForPage(platform::PrinterDevice& printer, const PictureHolder& holder);

// The picture's printed size: brought to the page width when wider than the
// page, or to the page height when at most an eighth of a page too tall (that
// rule winning when both apply).
std::pair<int32_t, int32_t> fitToPage(int32_t pageWidth, int32_t pageHeight, int32_t pictureWidth,
                                      int32_t pictureHeight);

// The sheets a positive quotient of lengths needs: its ceiling, where a
// quotient within 15 significant digits of a whole number counts as whole.
int32_t roundUpCount(double quotient);

}  // namespace mdlPicPrint

#include "print/mdlPicPrint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <tuple>
#include <vector>

#include "base/app_error.h"
#include "base/rounding.h"
#include "print/print_lines.h"
#include "ui/picture_box.h"
#include "view/downscale.h"

namespace mdlPicPrint {

namespace {

using platform::PrinterDevice;
using platform::ScaleUnit;

// The gap between the picture and the title or address above or below it,
// and between the title and the tiled picture's first row.
constexpr double textGap = 20;
constexpr int32_t headerGap = 10;
// Twips per inch, and HIMETRIC units per inch.
constexpr double twipsPerInch = 1440;
constexpr double himetricPerInch = 2540;

// Runs one print job; when any of it fails the job is dropped before the
// failure goes on to the caller.
template <typename Job>
void asOneJob(PrinterDevice& printer, Job&& job) {
    try {
        job();
    } catch (...) {
        printer.abortDoc();
        throw;
    }
}

// Where a line breaks: a title between words, an address after the marks
// that part its path and query.
constexpr std::string_view titleBreaks = " -";
constexpr std::string_view addressBreaks = "/?&-";
// The most of a sheet's height one text (the title or the address) may take.
constexpr double textShareOfSheet = 0.25;

// The title's lines on the printable width, each centred, so without the
// blank it broke after.
std::vector<std::string> titleLines(PrinterDevice& printer, std::string_view title, size_t most) {
    std::vector<std::string> lines =
        linesOf(printer, title, printer.scaleWidth(), titleBreaks, most);
    for (std::string& line : lines) {
        while (line.size() > 1 && line.back() == ' ') line.pop_back();
    }
    return lines;
}

// The lines of one text that fit in its share of a sheet `lineHeight` a line.
size_t mostLines(PrinterDevice& printer, double lineHeight) {
    if (!(lineHeight > 0)) return 1;
    const double lines = std::floor(printer.scaleHeight() * textShareOfSheet / lineHeight);
    return lines >= 1 ? static_cast<size_t>(std::min(lines, 1e6)) : 1;
}

// Prints `lines` from the print position down, each centred.
void printCentred(PrinterDevice& printer, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        // Halved as a whole number of pixels.
        const int32_t x =
            base::roundTo<int32_t>(printer.scaleWidth() - printer.textWidth(line)) / 2;
        printer.setCurrentX(x);
        printer.print(line);
    }
}

// Prints `lines` from the print position down, each from `x`.
void printFrom(PrinterDevice& printer, double x, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        printer.setCurrentX(x);
        printer.print(line);
    }
}

// The picture to send for painting it `width` × `height` printer pixels: made
// as small as the dots it covers, so the job carries no more than the sheet
// shows. When there is no memory for the smaller copy, the picture itself.
base::Picture atPrintedSize(const PictureHolder& holder, double width, double height) {
    if (!holder.picture)
        throw base::AppError(base::error_number::invalidPicture, "Invalid picture");
    const base::Bitmap& picture = *holder.picture;
    const double dotsAcross = std::ceil(width);
    const double dotsDown = std::ceil(height);
    const bool smaller = dotsAcross < picture.width() || dotsDown < picture.height();
    if (!smaller || !(dotsAcross >= 1 && dotsDown >= 1) || picture.width() < 1 ||
        picture.height() < 1) {
        return holder.picture;
    }
    try {
        return view::downscale(holder.picture,
                               static_cast<int32_t>(std::min<double>(dotsAcross, picture.width())),
                               static_cast<int32_t>(std::min<double>(dotsDown, picture.height())));
    } catch (const std::bad_alloc&) {
        return holder.picture;
    }
}

// Sheets needed for `length` on sheets of `page`, as a 16-bit count.
int16_t sheetCount(double length, double page) {
    return base::roundTo<int16_t>(roundUpCount(base::quotient(length, page)));
}

// The address under the tiled picture, on the last sheet of the first
// column: at the sheet's foot, unless the picture reaches down there; then at
// the foot of a sheet of its own, so it never covers the picture.
void printAddressBelow(PrinterDevice& printer, const std::vector<std::string>& lines,
                       double lineHeight, double pictureBottom, double pageHeight) {
    const double footY = pageHeight - lineHeight * double(lines.size()) - textGap;
    if (footY < pictureBottom) printer.newPage();
    printer.setCurrentY(footY);
    printFrom(printer, 0, lines);
}

}  // namespace

PictureHolder holderOf(const ui::PictureBox& box, double twipsPerPixelX, double twipsPerPixelY) {
    PictureHolder holder;
    holder.picture = box.picture();
    holder.width = box.width();
    holder.height = box.height();
    holder.scaleWidth = holder.width * twipsPerPixelX;
    holder.scaleHeight = holder.height * twipsPerPixelY;
    if (holder.picture) {
        holder.naturalWidth = std::nearbyint(holder.picture->width() * twipsPerPixelX *
                                             himetricPerInch / twipsPerInch);
        holder.naturalHeight = std::nearbyint(holder.picture->height() * twipsPerPixelY *
                                              himetricPerInch / twipsPerInch);
    }
    return holder;
}

void printImage(PrinterDevice& printer, const PictureHolder& holder, bool shrunk,
                std::string_view title, std::string_view address) {
    asOneJob(printer, [&] {
        printer.setScaleToPixels();
        if (!shrunk && isTooBigForPage(printer, holder)) {
            printTiled(printer, holder, title, address);
            return;
        }

        // One sheet: scaled to the side that binds, with a margin.
        const double aspect = base::quotient(holder.width, holder.height);
        const double pageWidth = printer.scaleWidth();
        const double pageHeight = printer.scaleHeight();
        double width = pageHeight * aspect;
        double height = pageHeight;
        if (aspect >= base::quotient(pageWidth, pageHeight)) {
            width = pageWidth;
            height = base::quotient(pageWidth, aspect);
        }
        const double share = title.empty() ? 0.99 : 0.95;
        width *= share;
        height *= share;

        // The title (bold) above the picture and the address below it, each
        // wrapped to the sheet; where they need more than the margin, the
        // picture gives way so that neither covers it.
        std::vector<std::string> titleText;
        std::vector<std::string> addressText;
        double lineHeight = 0;
        if (!title.empty()) {
            lineHeight = printer.textHeight(title);
            const size_t most = mostLines(printer, lineHeight);
            printer.setBold(true);
            titleText = titleLines(printer, title, most);
            printer.setBold(false);
            addressText = linesOf(printer, address, pageWidth, addressBreaks, most);
            const double needed =
                lineHeight * double(std::max(titleText.size(), addressText.size())) + textGap;
            const double roomFor = pageHeight - 2 * needed;
            if (roomFor > 0 && roomFor < height) {
                width *= roomFor / height;
                height = roomFor;
            }
        }
        const auto left = base::roundTo<int32_t>((printer.scaleWidth() - width) / 2);
        const auto top = base::roundTo<int32_t>((printer.scaleHeight() - height) / 2);

        if (!title.empty()) {
            printer.setCurrentY(top - (lineHeight * double(titleText.size()) + textGap));
            printer.setBold(true);
            printCentred(printer, titleText);
            printer.setBold(false);
            // Under the picture's left edge when it fits on one line from
            // there, else from the sheet's left edge.
            const bool besidePicture =
                addressText.size() == 1 && printer.textWidth(address) <= pageWidth - left;
            printer.setCurrentY(top + height + textGap);
            printFrom(printer, besidePicture ? left : 0, addressText);
        }
        printer.paintPicture(*atPrintedSize(holder, width, height), left, top, width, height);
        printer.endDoc();
    });
}

void printTiled(PrinterDevice& printer, const PictureHolder& holder, std::string_view title,
                std::string_view address) {
    asOneJob(printer, [&] {
        auto pictureWidth = base::roundTo<int32_t>(
            printer.scaleX(holder.scaleWidth, ScaleUnit::twips, ScaleUnit::pixels));
        auto pictureHeight = base::roundTo<int32_t>(
            printer.scaleY(holder.scaleHeight, ScaleUnit::twips, ScaleUnit::pixels));
        const auto pageWidth = base::roundTo<int32_t>(
            printer.scaleX(printer.scaleWidth(), ScaleUnit::pixels, ScaleUnit::pixels));
        const auto pageHeight = base::roundTo<int32_t>(
            printer.scaleY(printer.scaleHeight(), ScaleUnit::pixels, ScaleUnit::pixels));
        std::tie(pictureWidth, pictureHeight) =
            fitToPage(pageWidth, pageHeight, pictureWidth, pictureHeight);

        const bool withTitle = !title.empty();
        const auto titleHeight = base::roundTo<int32_t>(printer.textHeight(title));
        std::vector<std::string> titleText;
        if (withTitle) {
            // Left on: the address printed later is bold too.
            printer.setBold(true);
            titleText = titleLines(printer, title, mostLines(printer, titleHeight));
        }
        // The title pushes the picture down on every sheet of a column, so it
        // counts in the sheets down; else the last rows would fall off the end.
        const double headerOffset =
            withTitle ? double(titleHeight) * double(titleText.size()) + headerGap : 0;
        const int16_t columns = sheetCount(pictureWidth, pageWidth);
        const int16_t rows = sheetCount(pictureHeight + headerOffset, pageHeight);
        std::vector<std::string> addressText;
        double addressHeight = 0;
        if (!address.empty()) {
            addressHeight = printer.textHeight(address);
            addressText = linesOf(printer, address, pageWidth, addressBreaks,
                                  mostLines(printer, addressHeight));
        }
        const base::Picture picture = atPrintedSize(holder, pictureWidth, pictureHeight);

        if (withTitle) {
            printer.setCurrentY(0);
            printCentred(printer, titleText);
        }
        for (int32_t column = 1; column <= columns; ++column) {
            for (int32_t row = 1; row <= rows; ++row) {
                const double xOffset = double(column - 1) * pageWidth;
                const double yOffset = double(row - 1) * pageHeight - headerOffset;
                printer.paintPicture(*picture, -xOffset, -yOffset, pictureWidth, pictureHeight);
                if (column == 1 && row == rows && !address.empty()) {
                    printAddressBelow(printer, addressText, addressHeight, pictureHeight - yOffset,
                                      pageHeight);
                }
                printer.newPage();
            }
        }
        printer.endDoc();
    });
}

bool isTooBigForPage(PrinterDevice& printer, const PictureHolder& holder) {
    printer.setScaleToPixels();
    return holder.naturalWidth > printer.paperWidth() ||
           holder.naturalHeight > printer.paperHeight();
}

std::pair<int32_t, int32_t> fitToPage(int32_t pageWidth, int32_t pageHeight, int32_t pictureWidth,
                                      int32_t pictureHeight) {
    const double ratio = base::quotient(pictureHeight, pictureWidth);
    std::pair<int32_t, int32_t> size{pictureWidth, pictureHeight};
    if (pictureWidth > pageWidth) size = {pageWidth, base::roundTo<int32_t>(pageWidth * ratio)};
    if (pictureHeight > pageHeight && pictureHeight - pageHeight <= pageHeight / 8.0) {
        size = {base::roundTo<int32_t>(base::quotient(pageHeight, ratio)), pageHeight};
    }
    return size;
}

int32_t roundUpCount(double quotient) {
    // The quotient as its 15 significant digits show it.
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", quotient);
    const double shown = std::strtod(text, nullptr);
    const double whole = std::trunc(shown);
    return base::roundTo<int32_t>(shown != whole ? whole + 1 : quotient);
}

}  // namespace mdlPicPrint

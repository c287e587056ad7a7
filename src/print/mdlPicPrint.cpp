#include "print/mdlPicPrint.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "base/app_error.h"
#include "base/rounding.h"
#include "ui/picture_box.h"

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

// The print position that centres `text` across the printable area.
int32_t centredX(PrinterDevice& printer, std::string_view text) {
    return base::roundTo<int32_t>(printer.scaleWidth() - printer.textWidth(text)) / 2;
}

// Nothing is ever drawn on the holder, so the image it prints is its picture.
void paintHolder(PrinterDevice& printer, const PictureHolder& holder, double x, double y,
                 double width, double height) {
    if (!holder.picture)
        throw base::AppError(base::error_number::invalidPicture, "Invalid picture");
    printer.paintPicture(*holder.picture, x, y, width, height);
}

// Sheets needed for `length` on sheets of `page`, as a 16-bit count.
int16_t sheetCount(double length, double page) {
    return base::roundTo<int16_t>(roundUpCount(base::quotient(length, page)));
}

// The address under the tiled picture, on the last sheet of the first
// column: at the sheet's foot, unless the picture reaches down there; then at
// the foot of a sheet of its own, so it never covers the picture.
void printAddressBelow(PrinterDevice& printer, std::string_view address, double pictureBottom,
                       double pageHeight) {
    const double footY = pageHeight - printer.textHeight(address) - textGap;
    if (footY < pictureBottom) printer.newPage();
    printer.setCurrentY(footY);
    printer.print(address);
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
        const auto left = base::roundTo<int32_t>((printer.scaleWidth() - width) / 2);
        const auto top = base::roundTo<int32_t>((printer.scaleHeight() - height) / 2);

        if (!title.empty()) {
            printer.setCurrentX(centredX(printer, title));
            printer.setCurrentY(top - (printer.textHeight(title) + textGap));
            printer.setBold(true);
            printer.print(title);
            printer.setBold(false);
            printer.setCurrentX(left);
            printer.setCurrentY(top + height + textGap);
            printer.print(address);
        }
        paintHolder(printer, holder, left, top, width, height);
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
        // The title pushes the picture down on every sheet of a column, so it
        // counts in the sheets down; else the last rows would fall off the end.
        const double headerOffset = withTitle ? titleHeight + headerGap : 0;
        const int16_t columns = sheetCount(pictureWidth, pageWidth);
        const int16_t rows = sheetCount(pictureHeight + headerOffset, pageHeight);

        if (withTitle) {
            printer.setCurrentX(centredX(printer, title));
            printer.setCurrentY(0);
            // Left on: the address printed later is bold too.
            printer.setBold(true);
            printer.print(title);
        }
        for (int32_t column = 1; column <= columns; ++column) {
            for (int32_t row = 1; row <= rows; ++row) {
                const double xOffset = double(column - 1) * pageWidth;
                const double yOffset = double(row - 1) * pageHeight - headerOffset;
                paintHolder(printer, holder, -xOffset, -yOffset, pictureWidth, pictureHeight);
                if (column == 1 && row == rows && !address.empty()) {
                    printAddressBelow(printer, address, pictureHeight - yOffset, pageHeight);
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

#pragma once
// The printer operations printing uses, on the current printer of the process.
// A job begins with the first output and ends with endDoc (or abortDoc).
// Every operation may raise base::AppError when the printer fails.

#include <string_view>

#include "base/bitmap.h"

namespace platform {

// Units a length can be converted between.
enum class ScaleUnit { twips, pixels, himetric };

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    // From here on positions, sizes and text metrics are in printer pixels.
    virtual void setScaleToPixels() = 0;
    // The printable area in the current scale.
    virtual double scaleWidth() = 0;
    virtual double scaleHeight() = 0;
    // A horizontal or vertical length converted between units at the
    // printer's resolution.
    virtual double scaleX(double value, ScaleUnit from, ScaleUnit to) = 0;
    virtual double scaleY(double value, ScaleUnit from, ScaleUnit to) = 0;

    // Size of a line of text in the printer's current font.
    virtual double textWidth(std::string_view text) = 0;
    virtual double textHeight(std::string_view text) = 0;

    // Where the next text goes; printing a line moves it to the left edge of
    // the next line.
    virtual double currentX() = 0;
    virtual double currentY() = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual void print(std::string_view text) = 0;
    // The current font's bold attribute; it stays as set from job to job.
    virtual void setBold(bool bold) = 0;

    // Draws `picture` scaled into (x, y, width, height); x and y may be
    // negative, and whatever falls outside the sheet is clipped. Only the part
    // of the picture that lands on the sheet reaches the printer.
    virtual void paintPicture(const base::Bitmap& picture, double x, double y, double width,
                              double height) = 0;

    // Ends the sheet and starts the next; the print position goes to 0, 0. A
    // new page right before endDoc makes no empty sheet.
    virtual void newPage() = 0;
    // Ends the job and sends it.
    virtual void endDoc() = 0;
    // Sends the next job to the file `path` instead of the printer's port (an
    // empty path: to the port). It holds for that one job.
    virtual void setOutputFile(std::string_view path) = 0;
    // Drops the job begun so far, so nothing half-printed is spooled. Never
    // raises; does nothing when no job is open.
    virtual void abortDoc() noexcept = 0;

    // The paper's size as the printer reports it, in twips.
    virtual double paperWidth() = 0;
    virtual double paperHeight() = 0;
};

}  // namespace platform

#pragma once
// Printing on a printer device context (GDI): a job is StartDoc at its first
// output, a sheet StartPage/EndPage, and EndDoc or AbortDoc at its end; the
// context is made for each job from the current printer's settings, so a job
// prints with the options chosen before it. Text is in Arial, 10 points.

#include <windows.h>

#include <functional>

#include "platform/printer_device.h"
#include "platform/win32/printer_info.h"
#include "platform/win32/scoped_handles.h"

namespace platform {

class Win32PrinterDevice : public PrinterDevice {
public:
    // `currentPrinter` gives the printer to print on when a job begins; it
    // raises base::AppError when there is none.
    explicit Win32PrinterDevice(std::function<const win32::PrinterInfo&()> currentPrinter)
        : currentPrinter_(std::move(currentPrinter)) {}
    ~Win32PrinterDevice() override { abortDoc(); }
    Win32PrinterDevice(const Win32PrinterDevice&) = delete;
    Win32PrinterDevice& operator=(const Win32PrinterDevice&) = delete;

    void setScaleToPixels() override { pixels_ = true; }
    double scaleWidth() override;
    double scaleHeight() override;
    double scaleX(double value, ScaleUnit from, ScaleUnit to) override;
    double scaleY(double value, ScaleUnit from, ScaleUnit to) override;
    double textWidth(std::string_view text) override;
    double textHeight(std::string_view text) override;
    double currentX() override { return x_; }
    double currentY() override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void print(std::string_view text) override;
    void setBold(bool bold) override;
    // Sends the printer only the picture's rows and columns that land on the
    // sheet, straight from the picture's memory.
    void paintPicture(const base::Bitmap& picture, double x, double y, double width,
                      double height) override;
    void newPage() override;
    void endDoc() override;
    void setOutputFile(std::string_view path) override;
    void abortDoc() noexcept override;
    double paperWidth() override;
    double paperHeight() override;

private:
    // The job's device context, made on first need, with the font selected.
    HDC context();
    // The sheet being printed on, begun (and the job with it) on first output.
    HDC sheet();
    void selectFont();
    void endJob() noexcept;
    // Raises the printer's error, saying what failed on which printer, with
    // the system's reason where it gives one.
    [[noreturn]] void raiseFailed(std::string_view what);
    int capability(int index);
    // Pixels of the device in the current scale, and back.
    double toScale(double pixels, int dotsPerInchIndex);
    double toPixels(double value, int dotsPerInchIndex);
    double perInch(ScaleUnit unit, int dotsPerInchIndex);

    std::function<const win32::PrinterInfo&()> currentPrinter_;
    win32::ScopedDc dc_;
    win32::ScopedFont font_;
    HGDIOBJ fontBefore_ = nullptr;
    std::wstring printer_;  // the job's printer
    std::wstring outputFile_;
    bool docOpen_ = false;
    bool pageOpen_ = false;
    // Kept from job to job, as the printer keeps them.
    bool pixels_ = false;
    bool bold_ = false;
    double x_ = 0;
    double y_ = 0;
};

}  // namespace platform

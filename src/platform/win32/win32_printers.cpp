#include "platform/win32/win32_printers.h"

#include "base/app_error.h"
#include "platform/win32/text_conv.h"

namespace platform {

namespace {

std::string utf8(const std::wstring& text) { return win32::wideToUtf8(text); }

}  // namespace

win32::PrinterInfo* Win32Printers::current() {
    if (!current_ || trackDefault_) {
        const auto name = win32::defaultPrinterName();
        if (!name) return current_ ? &*current_ : nullptr;
        if (!current_ || current_->device != *name) current_ = win32::printerInfo(*name);
    }
    return &*current_;
}

win32::PrinterInfo& Win32Printers::currentOrRaise() {
    if (win32::PrinterInfo* printer = current()) return *printer;
    throw base::AppError(base::error_number::printerUnavailable, "No printer is installed.");
}

std::string Win32Printers::deviceName() {
    const win32::PrinterInfo* printer = current();
    return printer ? utf8(printer->device) : std::string();
}

std::string Win32Printers::driverName() {
    const win32::PrinterInfo* printer = current();
    return printer ? utf8(printer->driver) : std::string();
}

std::string Win32Printers::port() {
    const win32::PrinterInfo* printer = current();
    return printer ? utf8(printer->port) : std::string();
}

int32_t Win32Printers::paperBin() {
    const win32::PrinterInfo* printer = current();
    const DEVMODEW* mode = printer ? printer->mode.get() : nullptr;
    return mode ? mode->dmDefaultSource : 0;
}

void Win32Printers::setOption(PrinterOption option, int16_t value) {
    DEVMODEW* mode = currentOrRaise().mode.get();
    if (!mode) throw base::AppError(base::error_number::printerError, "Printer error");
    switch (option) {
        case PrinterOption::copies:
            mode->dmCopies = value;
            mode->dmFields |= DM_COPIES;
            break;
        case PrinterOption::orientation:
            mode->dmOrientation = value;
            mode->dmFields |= DM_ORIENTATION;
            break;
        case PrinterOption::colorMode:
            mode->dmColor = value;
            mode->dmFields |= DM_COLOR;
            break;
        case PrinterOption::duplex:
            mode->dmDuplex = value;
            mode->dmFields |= DM_DUPLEX;
            break;
        case PrinterOption::paperBin:
            mode->dmDefaultSource = value;
            mode->dmFields |= DM_DEFAULTSOURCE;
            break;
        case PrinterOption::paperSize:
            mode->dmPaperSize = value;
            mode->dmFields |= DM_PAPERSIZE;
            break;
        case PrinterOption::quality:
            mode->dmPrintQuality = value;
            mode->dmFields |= DM_PRINTQUALITY;
            break;
    }
}

std::vector<std::string> Win32Printers::installedPrinters() {
    listed_ = win32::installedPrinterNames();
    std::vector<std::string> names;
    for (const std::wstring& name : listed_) names.push_back(utf8(name));
    return names;
}

void Win32Printers::select(size_t index) {
    if (index >= listed_.size()) {
        throw base::AppError(base::error_number::invalidPropertyValue, "Invalid property value");
    }
    current_ = win32::printerInfo(listed_[index]);
}

}  // namespace platform

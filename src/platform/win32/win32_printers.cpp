#include "platform/win32/win32_printers.h"

#include <algorithm>

#include "base/app_error.h"
#include "platform/win32/text_conv.h"

namespace platform {

namespace {

std::string utf8(const std::wstring& text) { return win32::wideToUtf8(text); }

// What the printer's driver says of one of its capabilities: a number, or
// the count of a list's entries; below 0 when it cannot tell.
int capability(const win32::PrinterInfo& printer, WORD index, void* list = nullptr) {
    return DeviceCapabilitiesW(printer.device.c_str(), printer.port.c_str(), index,
                               static_cast<wchar_t*>(list), printer.mode.get());
}

// A list the driver gives, `perEntry` items an entry; empty when it cannot tell.
template <typename Item>
std::vector<Item> capabilityList(const win32::PrinterInfo& printer, WORD index, size_t perEntry) {
    const int count = capability(printer, index);
    if (count <= 0) return {};
    std::vector<Item> items(static_cast<size_t>(count) * perEntry);
    if (capability(printer, index, items.data()) != count) return {};
    return items;
}

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

bool Win32Printers::accepts(PrinterOption option, int16_t value) {
    const win32::PrinterInfo& printer = currentOrRaise();
    switch (option) {
        case PrinterOption::orientation:
            return value == DMORIENT_PORTRAIT ||
                   (value == DMORIENT_LANDSCAPE && capability(printer, DC_ORIENTATION) > 0);
        case PrinterOption::colorMode:
            return value == DMCOLOR_MONOCHROME || value == DMCOLOR_COLOR;
        case PrinterOption::duplex:
            return value >= DMDUP_SIMPLEX && value <= DMDUP_HORIZONTAL;
        case PrinterOption::copies:
        case PrinterOption::paperBin:
            return value > 0;
        case PrinterOption::paperSize: {
            const auto papers = capabilityList<WORD>(printer, DC_PAPERS, 1);
            return value > 0 && (papers.empty() ||
                                 std::find(papers.begin(), papers.end(), value) != papers.end());
        }
        case PrinterOption::quality: {
            // The driver's named qualities, or a resolution in dots per inch
            // that it lists (x and y in each entry).
            if (value >= DMRES_HIGH && value <= DMRES_DRAFT) return true;
            const auto resolutions = capabilityList<LONG>(printer, DC_ENUMRESOLUTIONS, 2);
            bool listed = resolutions.empty();
            for (size_t i = 0; i < resolutions.size(); i += 2) listed |= resolutions[i] == value;
            return value > 0 && listed;
        }
    }
    return false;
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

#pragma once
// What the spooler knows of the installed printers: their names, and a
// printer's driver, port and default settings.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace platform::win32 {

// A DEVMODEW with its driver's private part, as one block of bytes.
class DeviceMode {
public:
    DeviceMode() = default;
    // A copy of `mode` (dmSize + dmDriverExtra bytes).
    explicit DeviceMode(const DEVMODEW& mode);

    bool empty() const noexcept { return bytes_.empty(); }
    DEVMODEW* get() noexcept {
        return empty() ? nullptr : reinterpret_cast<DEVMODEW*>(bytes_.data());
    }
    const DEVMODEW* get() const noexcept {
        return empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(bytes_.data());
    }
    size_t size() const noexcept { return bytes_.size(); }

private:
    // Allocated memory is aligned for any structure.
    std::vector<unsigned char> bytes_;
};

struct PrinterInfo {
    std::wstring device;
    std::wstring driver;
    std::wstring port;
    DeviceMode mode;  // the printer's default settings
};

// The system's default printer, if there is one.
std::optional<std::wstring> defaultPrinterName();
// The device names of the installed printers, local and connected, in the
// spooler's order.
std::vector<std::wstring> installedPrinterNames();
// The printer's driver, port and default settings. Raises base::AppError
// (printer unavailable) when the spooler does not know it.
PrinterInfo printerInfo(const std::wstring& device);

}  // namespace platform::win32

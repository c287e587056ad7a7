#pragma once
// The printers of the machine through the spooler. The current printer is the
// system's default printer, followed as it changes, until the program turns
// that off or chooses another; its settings are the program's own for the run.

#include <optional>
#include <string>
#include <vector>

#include "platform/printers.h"
#include "platform/win32/printer_info.h"
#include "platform/win32/win32_printer_device.h"

namespace platform {

class Win32Printers : public Printers {
public:
    Win32Printers() = default;
    Win32Printers(const Win32Printers&) = delete;
    Win32Printers& operator=(const Win32Printers&) = delete;

    // With no printer installed the names are empty and the paper bin 0;
    // printing then raises base::AppError (printer unavailable).
    std::string deviceName() override;
    std::string driverName() override;
    std::string port() override;
    int32_t paperBin() override;
    void setTrackDefault(bool track) override { trackDefault_ = track; }
    void setOption(PrinterOption option, int16_t value) override;
    // Asks the printer's driver (DeviceCapabilities); what it cannot tell is
    // judged by the codes the platform defines.
    bool accepts(PrinterOption option, int16_t value) override;
    std::vector<std::string> installedPrinters() override;
    // Chooses from the list installedPrinters() last gave.
    void select(size_t index) override;
    PrinterDevice& device() override { return device_; }

private:
    // The current printer, if there is one.
    win32::PrinterInfo* current();
    win32::PrinterInfo& currentOrRaise();

    std::optional<win32::PrinterInfo> current_;
    bool trackDefault_ = true;
    std::vector<std::wstring> listed_;
    Win32PrinterDevice device_{[this]() -> const win32::PrinterInfo& { return currentOrRaise(); }};
};

}  // namespace platform

#pragma once
// The printer-setup dialog's values: what the program seeds it with and what
// it reads back once the user has confirmed it. The option codes are the
// printer driver's; the program passes them through.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Flags of the dialog (the platform's PD_* values).
namespace printer_dialog_flags {
inline constexpr int32_t noSelection = 4;
inline constexpr int32_t noPageNumbers = 8;
inline constexpr int32_t returnDeviceContext = 256;
}  // namespace printer_dialog_flags

struct PrinterDialog {
    // Seeded with the current printer; the chosen printer is read back.
    std::string printerName;
    std::string driverName;
    std::string port;
    // An option left empty starts as the printer's driver has it; a confirmed
    // dialog fills them all.
    std::optional<int16_t> copies;
    std::optional<int16_t> orientation;
    std::optional<int16_t> duplex;
    std::optional<int16_t> colorMode;
    std::optional<int16_t> paperBin;
    std::optional<int16_t> paperSize;
    std::optional<int16_t> quality;
    int32_t flags = 0;
    // Read back: the user ticked "Print to file".
    bool printToFile = false;
    // Cancel raises base::AppError 32755 instead of returning false.
    bool cancelError = false;
};

}  // namespace platform

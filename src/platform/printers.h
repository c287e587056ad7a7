#pragma once
// The printer the program prints on (the current printer of the run) and the
// printers installed. Every operation may raise base::AppError.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/printer_device.h"

namespace platform {

// Options of the current printer, as the platform's driver interface codes them.
enum class PrinterOption { copies, orientation, colorMode, duplex, paperBin, paperSize, quality };

class Printers {
public:
    virtual ~Printers() = default;

    // The current printer: the system's default printer until the program
    // chooses another.
    virtual std::string deviceName() = 0;
    virtual std::string driverName() = 0;
    virtual std::string port() = 0;
    virtual int32_t paperBin() = 0;
    // Whether the current printer is replaced when the system's default changes.
    virtual void setTrackDefault(bool track) = 0;
    virtual void setOption(PrinterOption option, int16_t value) = 0;
    // Whether the current printer takes `value` for `option`: a code its
    // driver knows and it offers (a paper size it has, landscape where it can
    // turn the page).
    virtual bool accepts(PrinterOption option, int16_t value) = 0;

    // The device names of the installed printers, in the system's order.
    virtual std::vector<std::string> installedPrinters() = 0;
    // Makes installedPrinters()[index] the current printer.
    virtual void select(size_t index) = 0;

    // Printing on the current printer.
    virtual PrinterDevice& device() = 0;
};

}  // namespace platform

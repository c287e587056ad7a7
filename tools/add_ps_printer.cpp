// add_ps_printer: gives a Wine prefix a PostScript printer for the printing
// tests. It installs Wine's PostScript driver with our PPD (tessmire.ppd, which
// must already lie in the driver folder: the spooler does not copy it there),
// adds the printer "Tessmire PS" on port LPT1:, checks that the driver can read
// the PPD, and makes the printer the default. Running it again on a prefix that
// has them is fine.
// Exit status: 0 on success, 1 with the failing call and its error on stderr.

#include <windows.h>

#include <winspool.h>

#include <cstdio>

#include "platform/win32/scoped_handles.h"

namespace {

constexpr char driverName[] = "Tessmire PostScript Driver";
constexpr char printerName[] = "Tessmire PS";

using PrinterHandle = platform::win32::ScopedPrinterHandle;

int failed(const char* call) {
    const DWORD error = GetLastError();
    std::fprintf(stderr, "add_ps_printer: %s failed, GetLastError %lu\n", call,
                 static_cast<unsigned long>(error));
    return 1;
}

// The A-structures take non-const strings they never write to.
char* text(const char* value) { return const_cast<char*>(value); }

}  // namespace

int main() {
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = text(driverName);
    driver.pDriverPath = text("wineps.drv");
    driver.pDataFile = text("tessmire.ppd");
    driver.pConfigFile = text("wineps.drv");
    driver.pDefaultDataType = text("RAW");
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        return failed("AddPrinterDriverExA");
    }

    PRINTER_INFO_2A printer{};
    printer.pPrinterName = text(printerName);
    printer.pPortName = text("LPT1:");
    printer.pDriverName = text(driverName);
    printer.pPrintProcessor = text("WinPrint");
    printer.pDatatype = text("RAW");
    printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    if (const PrinterHandle added{AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer))};
        !added && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
        return failed("AddPrinterA");
    }

    // The driver reads the PPD only when asked for the page set-up: adding the
    // driver and the printer succeeds without it.
    HANDLE raw = nullptr;
    if (!OpenPrinterA(text(printerName), &raw, nullptr)) return failed("OpenPrinterA");
    const PrinterHandle opened{raw};
    if (DocumentPropertiesA(nullptr, opened.get(), text(printerName), nullptr, nullptr, 0) <= 0) {
        return failed("DocumentPropertiesA (is tessmire.ppd in the driver folder?)");
    }

    if (!SetDefaultPrinterA(printerName)) return failed("SetDefaultPrinterA");
    return 0;
}

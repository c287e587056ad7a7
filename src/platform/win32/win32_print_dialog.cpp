// The printer dialog: the system's Print dialog, seeded with a printer and its
// settings, read back when the user confirms it.

#include <windows.h>

#include <commdlg.h>

#include <cstring>

#include "base/app_error.h"
#include "base/rounding.h"
#include "platform/win32/printer_info.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_dialogs.h"

namespace platform {

namespace {

using win32::ScopedGlobal;

// Extended errors of the dialog become error numbers above this.
constexpr int32_t printDialogFailedBase = 21000;

// Movable memory holding `bytes`, for the dialog to read and replace.
ScopedGlobal globalCopy(const void* bytes, size_t size) {
    ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!memory) throw base::AppError(base::error_number::outOfMemory, "Out of memory");
    void* locked = GlobalLock(memory.get());
    if (!locked) throw base::AppError(base::error_number::outOfMemory, "Out of memory");
    std::memcpy(locked, bytes, size);
    GlobalUnlock(memory.get());
    return memory;
}

// DEVNAMES: offsets (in characters) of the driver, device and port names that
// follow it.
ScopedGlobal deviceNames(const PrinterDialog& dialog) {
    const std::wstring driver = win32::utf8ToWide(dialog.driverName);
    const std::wstring device = win32::utf8ToWide(dialog.printerName);
    const std::wstring port = win32::utf8ToWide(dialog.port);
    constexpr size_t headerChars = sizeof(DEVNAMES) / sizeof(wchar_t);
    std::wstring block(headerChars, L'\0');
    const auto append = [&](const std::wstring& text) {
        const auto offset = static_cast<WORD>(block.size());
        block += text;
        block += L'\0';
        return offset;
    };
    DEVNAMES names = {};
    names.wDriverOffset = append(driver);
    names.wDeviceOffset = append(device);
    names.wOutputOffset = append(port);
    std::memcpy(block.data(), &names, sizeof names);
    return globalCopy(block.data(), block.size() * sizeof(wchar_t));
}

// The printer's settings with the options the dialog was given.
ScopedGlobal deviceMode(const PrinterDialog& dialog) {
    win32::PrinterInfo printer;
    try {
        printer = win32::printerInfo(win32::utf8ToWide(dialog.printerName));
    } catch (const base::AppError&) {
        return {};  // a printer the spooler does not know: the dialog picks one
    }
    DEVMODEW* mode = printer.mode.get();
    if (!mode) return {};
    const auto seed = [&](const std::optional<int16_t>& value, short& field, DWORD flag) {
        if (!value) return;
        field = *value;
        mode->dmFields |= flag;
    };
    seed(dialog.copies, mode->dmCopies, DM_COPIES);
    seed(dialog.orientation, mode->dmOrientation, DM_ORIENTATION);
    seed(dialog.duplex, mode->dmDuplex, DM_DUPLEX);
    seed(dialog.colorMode, mode->dmColor, DM_COLOR);
    seed(dialog.paperBin, mode->dmDefaultSource, DM_DEFAULTSOURCE);
    seed(dialog.paperSize, mode->dmPaperSize, DM_PAPERSIZE);
    seed(dialog.quality, mode->dmPrintQuality, DM_PRINTQUALITY);
    return globalCopy(mode, printer.mode.size());
}

// What the user chose, into the dialog's values.
void readBack(const PRINTDLGW& chosen, PrinterDialog& dialog) {
    dialog.printToFile = (chosen.Flags & PD_PRINTTOFILE) != 0;
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(chosen.hDevNames))) {
        const auto* chars = reinterpret_cast<const wchar_t*>(names);
        dialog.printerName = win32::wideToUtf8(chars + names->wDeviceOffset);
        dialog.driverName = win32::wideToUtf8(chars + names->wDriverOffset);
        dialog.port = win32::wideToUtf8(chars + names->wOutputOffset);
        GlobalUnlock(chosen.hDevNames);
    }
    if (const auto* mode = static_cast<const DEVMODEW*>(GlobalLock(chosen.hDevMode))) {
        // Copies the driver cannot make itself come back in the dialog's count.
        dialog.copies =
            base::roundTo<int16_t>(chosen.nCopies > 1 ? chosen.nCopies : mode->dmCopies);
        dialog.orientation = mode->dmOrientation;
        dialog.duplex = mode->dmDuplex;
        dialog.colorMode = mode->dmColor;
        dialog.paperBin = mode->dmDefaultSource;
        dialog.paperSize = mode->dmPaperSize;
        dialog.quality = mode->dmPrintQuality;
        GlobalUnlock(chosen.hDevMode);
    }
}

}  // namespace

bool Win32Dialogs::showPrinter(PrinterDialog& dialog) {
    // The system's dialog would tell of no printer in a message of its own
    // and fail; one report of ours says it instead.
    if (win32::installedPrinterNames().empty()) {
        throw base::AppError(base::error_number::printerUnavailable, "No printer is installed.");
    }
    ScopedGlobal names = dialog.printerName.empty() ? ScopedGlobal() : deviceNames(dialog);
    ScopedGlobal mode = dialog.printerName.empty() ? ScopedGlobal() : deviceMode(dialog);

    PRINTDLGW print = {};
    print.lStructSize = sizeof print;
    print.hwndOwner = owner_;
    print.Flags = static_cast<DWORD>(dialog.flags);
    print.hDevNames = names.release();
    print.hDevMode = mode.release();
    print.nCopies = 1;
    const BOOL confirmed = PrintDlgW(&print);
    // The dialog may have replaced the memory it was given.
    names.reset(print.hDevNames);
    mode.reset(print.hDevMode);
    const win32::ScopedDc returnedDc(print.hDC);

    if (confirmed) {
        readBack(print, dialog);
        return true;
    }
    const DWORD code = CommDlgExtendedError();
    if (code != 0) {
        throw base::AppError(printDialogFailedBase + static_cast<int32_t>(code),
                             "The Print dialog failed (code " + std::to_string(code) + ").");
    }
    if (dialog.cancelError) {
        throw base::AppError(base::error_number::dialogCancelled, "Cancel was selected.");
    }
    return false;
}

}  // namespace platform

// A machine with no printer, as a fresh Wine prefix is: the print command's
// pieces say so with one error each, and never show a dialog that cannot work.
#include <gtest/gtest.h>

#include <functional>

#include "base/app_error.h"
#include "platform/win32/printer_info.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_printers.h"

namespace platform {
namespace {

int32_t errorOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const base::AppError& error) {
        return error.number();
    }
    return 0;
}

TEST(PrintersWin32Test, NoPrinterInstalledGivesEmptyNamesAndOneClearError) {
    if (!win32::installedPrinterNames().empty()) GTEST_SKIP() << "this prefix has a printer";
    Win32Printers printers;
    EXPECT_EQ(printers.deviceName(), "");
    EXPECT_EQ(printers.driverName(), "");
    EXPECT_EQ(printers.port(), "");
    EXPECT_EQ(printers.paperBin(), 0);
    EXPECT_TRUE(printers.installedPrinters().empty());
    EXPECT_EQ(errorOf([&] { printers.select(0); }), base::error_number::invalidPropertyValue);

    constexpr int32_t unavailable = base::error_number::printerUnavailable;
    EXPECT_EQ(errorOf([&] { printers.device().scaleWidth(); }), unavailable);
    EXPECT_EQ(errorOf([&] { printers.setOption(PrinterOption::orientation, 2); }), unavailable);
    printers.device().abortDoc();  // nothing begun: nothing to do, nothing raised

    Win32Dialogs dialogs;
    PrinterDialog dialog;
    dialog.cancelError = true;
    EXPECT_EQ(errorOf([&] { dialogs.showPrinter(dialog); }), unavailable);
}

}  // namespace
}  // namespace platform

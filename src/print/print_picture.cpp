// The print command: the printer dialog seeded from the current printer and
// the remembered options, then the picture printed on the printer chosen.

#include <array>
#include <string>
#include <utility>

#include "app/frmMain.h"
#include "base/resume_next.h"
#include "base/rounding.h"
#include "base/text.h"
#include "print/mdlPicPrint.h"
#include "settings/mdlINI.h"

namespace {

using platform::PrinterDialog;
using platform::PrinterOption;

constexpr std::string_view printSection = "Print";
constexpr std::string_view errorTitle = "print_picture";

// The remembered options: their keys and the dialog's members, in the order
// they are read and written.
constexpr std::array<std::pair<std::string_view, std::optional<int16_t> PrinterDialog::*>, 4>
    rememberedOptions{{{"orientation", &PrinterDialog::orientation},
                       {"color", &PrinterDialog::colorMode},
                       {"paper_size", &PrinterDialog::paperSize},
                       {"quality", &PrinterDialog::quality}}};

bool isCancel(const base::AppError& error) {
    return error.number() == base::error_number::dialogCancelled ||
           base::upperCase(error.description()).find("CANCEL") != std::string::npos;
}

}  // namespace

void frmMain::printPicture() {
    if (!pictureLoaded_) return;
    platform::Printers& printers = platform_.printers;
    PrinterDialog dialog;

    // Until the dialog has answered, a failing statement is reported and the
    // next one runs; a cancel ends the command quietly. False: end it.
    const auto reportingFailures = [&](auto&& statement) {
        try {
            statement();
        } catch (const base::AppError& error) {
            if (isCancel(error)) return false;
            platform_.dialogs.inputBox("Error:" + error.description(), errorTitle,
                                       std::to_string(error.number()));
        }
        return true;
    };
    dialog.flags = platform::printer_dialog_flags::noSelection |
                   platform::printer_dialog_flags::noPageNumbers |
                   platform::printer_dialog_flags::returnDeviceContext;
    dialog.cancelError = true;
    const bool goOn =
        reportingFailures([&] { dialog.printerName = printers.deviceName(); }) &&
        reportingFailures([&] { dialog.driverName = printers.driverName(); }) &&
        reportingFailures([&] { dialog.port = printers.port(); }) &&
        reportingFailures([&] { dialog.paperBin = base::roundTo<int16_t>(printers.paperBin()); }) &&
        // The printer chosen here stays, whatever the system's default becomes.
        reportingFailures([&] { printers.setTrackDefault(false); });
    if (!goOn) return;
    for (const auto& remembered : rememberedOptions) {
        const bool read = reportingFailures([&] {
            const std::string stored =
                mdlINI::getSetting(platform_.registry, printSection, remembered.first);
            if (!stored.empty())
                dialog.*remembered.second = base::roundTo<int16_t>(base::textToNumber(stored));
        });
        if (!read) return;
    }
    bool confirmed = false;
    if (!reportingFailures([&] { confirmed = platform_.dialogs.showPrinter(dialog); })) return;
    if (!confirmed) return;

    // From here on nothing is reported: a failing step is skipped.
    using base::resumeNext;
    std::string chosen;
    resumeNext([&] { chosen = base::upperCase(dialog.printerName); });
    std::string current;
    resumeNext([&] { current = printers.deviceName(); });
    if (current != chosen) {
        std::vector<std::string> installed;
        resumeNext([&] { installed = printers.installedPrinters(); });
        for (size_t i = 0; i < installed.size(); ++i) {
            if (base::upperCase(installed[i]) == chosen) resumeNext([&] { printers.select(i); });
        }
    }
    const std::array<std::pair<PrinterOption, const std::optional<int16_t>*>, 7> chosenOptions{{
        {PrinterOption::copies, &dialog.copies},
        {PrinterOption::orientation, &dialog.orientation},
        {PrinterOption::colorMode, &dialog.colorMode},
        {PrinterOption::duplex, &dialog.duplex},
        {PrinterOption::paperBin, &dialog.paperBin},
        {PrinterOption::paperSize, &dialog.paperSize},
        {PrinterOption::quality, &dialog.quality},
    }};
    for (const auto& option : chosenOptions) {
        if (*option.second) resumeNext([&] { printers.setOption(option.first, **option.second); });
    }
    resumeNext([&] { savePrintSettings(dialog); });
    // Every row of the picture is printed.
    waitForWholePicture();
    const bool shrunk = base::leadingNumber(imgShrink.tag()) == 1;
    resumeNext([&] {
        const mdlPicPrint::PictureHolder holder =
            mdlPicPrint::holderOf(imgPrint, twipsPerPixelX(), twipsPerPixelY());
        if (addressBarShown_) {
            mdlPicPrint::printImage(printers.device(), holder, shrunk, lblTitle.caption(),
                                    lblAddress.caption());
        } else {
            mdlPicPrint::printImage(printers.device(), holder, shrunk, {}, {});
        }
    });
}

void frmMain::savePrintSettings(const platform::PrinterDialog& dialog) {
    for (const auto& [key, member] : rememberedOptions) {
        const std::optional<int16_t>& value = dialog.*member;
        mdlINI::saveSetting(platform_.registry, printSection, key,
                            value ? std::to_string(*value) : std::string());
    }
}

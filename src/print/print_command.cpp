// The print command: the printer dialog seeded from the current printer and
// the remembered options, then the picture printed on the printer chosen, or
// into a file when the user asked for that.

#include "print/print_command.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/resume_next.h"
#include "base/rounding.h"
#include "base/text.h"
#include "settings/mdlINI.h"

namespace print {

namespace {

using platform::PrinterDialog;
using platform::PrinterOption;

constexpr std::string_view printSection = "Print";
constexpr std::string_view errorTitle = "print_picture";
constexpr std::string_view printToFileTitle = "Print to File";

// The remembered options: their keys, the dialog's members and the printer's
// options, in the order they are read and written.
struct RememberedOption {
    std::string_view key;
    std::optional<int16_t> PrinterDialog::*member;
    PrinterOption option;
};
constexpr std::array<RememberedOption, 4> rememberedOptions{{
    {"orientation", &PrinterDialog::orientation, PrinterOption::orientation},
    {"color", &PrinterDialog::colorMode, PrinterOption::colorMode},
    {"paper_size", &PrinterDialog::paperSize, PrinterOption::paperSize},
    {"quality", &PrinterDialog::quality, PrinterOption::quality},
}};

const std::vector<platform::FileType> printFileTypes{{"Printer Files (*.prn)", "*.prn"},
                                                     {"All Files (*.*)", "*.*"}};

// Whether the current printer takes the value; one that cannot say is not
// trusted with it.
bool takes(platform::Printers& printers, PrinterOption option, int16_t value) {
    try {
        return printers.accepts(option, value);
    } catch (const base::AppError&) {
        return false;
    }
}

}  // namespace

void PrintCommand::run(const std::function<PrintJob()>& job) {
    platform::Printers& printers = platform_.printers;
    PrinterDialog dialog;

    // Until the dialog has answered, a failing statement is reported and the
    // next one runs; a cancel ends the command quietly. False: end it.
    const auto reportingFailures = [&](auto&& statement) {
        try {
            statement();
        } catch (const base::AppError& error) {
            if (base::isCancel(error)) return false;
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
                mdlINI::getSetting(platform_.registry, printSection, remembered.key);
            if (stored.empty()) return;
            const auto value = base::roundTo<int16_t>(base::textToNumber(stored));
            // A value the printer does not take (an older printer's, or
            // edited) would lay the job out on a page the printer lacks.
            if (takes(printers, remembered.option, value)) dialog.*remembered.member = value;
        });
        if (!read) return;
    }
    bool confirmed = false;
    if (!reportingFailures([&] { confirmed = platform_.dialogs.showPrinter(dialog); })) return;
    if (!confirmed) return;

    // From here on a step that fails is skipped, but a print that cannot be
    // made is told once, and Cancel anywhere ends the command quietly.
    const auto reportNotPrinted = [&](const base::AppError& error) {
        if (base::isCancel(error)) return;
        platform_.dialogs.messageBox("The picture was not printed.\r\n\r\n" + error.description(),
                                     caption_, platform::message_style::exclamation);
    };
    std::string outputFile;
    if (dialog.printToFile) {
        try {
            outputFile = platform_.dialogs.saveFile(printToFileTitle, printFileTypes);
        } catch (const base::AppError& error) {
            reportNotPrinted(error);
            return;
        }
        if (outputFile.empty()) return;
    }

    using base::resumeNext;
    const std::string chosen = base::upperCase(dialog.printerName);
    std::string current;
    resumeNext([&] { current = printers.deviceName(); });
    if (current != chosen) {
        std::vector<std::string> installed;
        resumeNext([&] { installed = printers.installedPrinters(); });
        std::optional<base::AppError> failed;
        for (size_t i = 0; i < installed.size(); ++i) {
            if (base::upperCase(installed[i]) != chosen) continue;
            try {
                printers.select(i);
            } catch (const base::AppError& error) {
                failed = error;
            }
        }
        // Not printed on another printer than the one chosen.
        resumeNext([&] { current = base::upperCase(printers.deviceName()); });
        if (current != chosen) {
            reportNotPrinted(failed.value_or(
                base::AppError(base::error_number::printerUnavailable,
                               "The printer \"" + dialog.printerName + "\" is not installed.")));
            return;
        }
    }
    // Options the chosen printer does not take are neither applied nor kept.
    for (const auto& remembered : rememberedOptions) {
        std::optional<int16_t>& value = dialog.*remembered.member;
        if (value && !takes(printers, remembered.option, *value)) value.reset();
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
    resumeNext([&] { saveSettings(dialog); });
    try {
        // Every row of the picture is printed: the job may wait for them.
        const PrintJob printed = job();
        printers.device().setOutputFile(outputFile);
        mdlPicPrint::printImage(printers.device(), printed.picture, printed.shrunk, printed.title,
                                printed.address);
    } catch (const base::AppError& error) {
        reportNotPrinted(error);
    }
}

void PrintCommand::saveSettings(const platform::PrinterDialog& dialog) {
    for (const auto& remembered : rememberedOptions) {
        const std::optional<int16_t>& value = dialog.*remembered.member;
        mdlINI::saveSetting(platform_.registry, printSection, remembered.key,
                            value ? std::to_string(*value) : std::string());
    }
}

}  // namespace print

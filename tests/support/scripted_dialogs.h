#pragma once
// Dialogs that record what they showed and answer from a script.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "platform/dialogs.h"

namespace testsupport {

class ScriptedDialogs : public platform::Dialogs {
public:
    struct Shown {
        std::string kind;  // "message", "input", "open", "save" or "printer"
        std::string text;
        std::string title;
        int style = 0;
        std::string preset;
    };

    int messageBox(std::string_view text, std::string_view title, int style) override {
        shown.push_back({"message", std::string(text), std::string(title), style, {}});
        return nextMessageAnswer;
    }
    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view preset) override {
        shown.push_back({"input", std::string(prompt), std::string(title), 0, std::string(preset)});
        return {};
    }
    std::string openFile(std::string_view title,
                         const std::vector<platform::FileType>& fileTypes) override {
        shown.push_back({"open", {}, std::string(title), 0, {}});
        lastFileTypes = fileTypes;
        if (openAnswers.empty()) {
            throw base::AppError(base::error_number::dialogCancelled, "Cancel was selected.");
        }
        std::string answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::string saveFile(std::string_view title, const std::vector<platform::FileType>&) override {
        shown.push_back({"save", {}, std::string(title), 0, {}});
        if (saveAnswers.empty()) {
            throw base::AppError(base::error_number::dialogCancelled, "Cancel was selected.");
        }
        std::string answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    bool showPrinter(platform::PrinterDialog& dialog) override {
        shown.push_back({"printer", {}, {}, 0, {}});
        printerSeeds.push_back(dialog);
        if (!printerChoice) {
            if (dialog.cancelError) {
                throw base::AppError(base::error_number::dialogCancelled, "Cancel was selected.");
            }
            return false;
        }
        // A confirmed dialog reads every option back: the driver's own for
        // those it was not given.
        for (auto [member, driverDefault] :
             {std::pair{&platform::PrinterDialog::copies, int16_t{1}},
              {&platform::PrinterDialog::orientation, int16_t{1}},
              {&platform::PrinterDialog::duplex, int16_t{1}},
              {&platform::PrinterDialog::colorMode, int16_t{2}},
              {&platform::PrinterDialog::paperSize, int16_t{9}},
              {&platform::PrinterDialog::quality, int16_t{-4}}}) {
            if (!(dialog.*member)) dialog.*member = driverDefault;
        }
        printerChoice(dialog);
        return true;
    }

    // What the user does in the printer dialog before OK; none: Cancel.
    std::function<void(platform::PrinterDialog&)> printerChoice;
    // The printer dialog as it was seeded, each time it was shown.
    std::vector<platform::PrinterDialog> printerSeeds;

    // Answers: paths the Open dialog returns in turn (none left: Cancel).
    std::deque<std::string> openAnswers;
    // Paths the Save dialog returns in turn (none left: Cancel).
    std::deque<std::string> saveAnswers;
    int nextMessageAnswer = platform::message_answer::ok;

    std::vector<Shown> shown;
    std::vector<platform::FileType> lastFileTypes;
};

}  // namespace testsupport

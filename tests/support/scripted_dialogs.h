#pragma once
// Dialogs that record what they showed and answer from a script.

#include <deque>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "platform/dialogs.h"

namespace testsupport {

class ScriptedDialogs : public platform::Dialogs {
public:
    struct Shown {
        std::string kind;  // "message", "input" or "open"
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

    // Answers: paths the Open dialog returns in turn (none left: Cancel).
    std::deque<std::string> openAnswers;
    int nextMessageAnswer = platform::message_answer::ok;

    std::vector<Shown> shown;
    std::vector<platform::FileType> lastFileTypes;
};

}  // namespace testsupport

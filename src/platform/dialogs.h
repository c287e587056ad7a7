#pragma once
// Modal dialogs: message boxes, the input box, the Open and Save dialogs, the
// printer dialog. Text is UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "platform/printer_dialog.h"

namespace platform {

// Message-box styles the program uses (the platform's MB_* values).
namespace message_style {
inline constexpr int okOnly = 0;
inline constexpr int yesNo = 4;
inline constexpr int critical = 16;
inline constexpr int question = 32;
inline constexpr int exclamation = 48;
inline constexpr int information = 64;
}  // namespace message_style

// Buttons a message box reports (the platform's ID* values).
namespace message_answer {
inline constexpr int ok = 1;
inline constexpr int yes = 6;
inline constexpr int no = 7;
}  // namespace message_answer

// One entry of the Open dialog's file-type list, e.g. {"JPEG Files(*.jpeg;*.jpg)", "*.jpeg;*.jpg"}.
struct FileType {
    std::string description;
    std::string patterns;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box owned by the main window; returns the button pressed.
    virtual int messageBox(std::string_view text, std::string_view title, int style) = 0;
    // A modal input box with a prompt, a title and a preset answer; returns
    // what the user typed, or "" when the user cancelled.
    virtual std::string inputBox(std::string_view prompt, std::string_view title,
                                 std::string_view preset) = 0;
    // The Open dialog with the given title and file types, the file name empty.
    // Returns the chosen path. Cancel raises base::AppError 32755
    // ("Cancel was selected."), as the program's common dialog does.
    virtual std::string openFile(std::string_view title,
                                 const std::vector<FileType>& fileTypes) = 0;
    // The Save dialog with the given title and file types, the file name
    // empty; asks before replacing a file. Returns the chosen path; Cancel
    // raises base::AppError 32755 as openFile does.
    virtual std::string saveFile(std::string_view title,
                                 const std::vector<FileType>& fileTypes) = 0;
    // The printer dialog over the main window, seeded from `dialog`; on OK
    // the chosen printer and options are written back and the result is true.
    // Cancel returns false, or raises 32755 when dialog.cancelError is set.
    virtual bool showPrinter(PrinterDialog& dialog) = 0;
};

}  // namespace platform

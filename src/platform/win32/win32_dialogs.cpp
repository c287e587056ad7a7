#include "platform/win32/win32_dialogs.h"

#include <commdlg.h>

#include "base/app_error.h"
#include "platform/win32/input_box.h"
#include "platform/win32/text_conv.h"

namespace platform {

namespace {

// Room for a long path typed or picked in the Open or Save dialog.
constexpr DWORD fileNameChars = 32 * 1024;

// Extended errors of the Open and Save dialogs become error numbers above this.
constexpr int32_t fileDialogFailedBase = 20000;

// The file dialogs' filter: description NUL patterns NUL, for every type, and
// a closing NUL. The string's own terminator adds the second one.
std::wstring filterOf(const std::vector<FileType>& fileTypes) {
    std::wstring filter;
    for (const FileType& type : fileTypes) {
        filter += win32::utf8ToWide(type.description);
        filter += L'\0';
        filter += win32::utf8ToWide(type.patterns);
        filter += L'\0';
    }
    return filter;
}

}  // namespace

int Win32Dialogs::messageBox(std::string_view text, std::string_view title, int style) {
    return MessageBoxW(owner_, win32::utf8ToWide(text).c_str(), win32::utf8ToWide(title).c_str(),
                       static_cast<UINT>(style));
}

std::string Win32Dialogs::inputBox(std::string_view prompt, std::string_view title,
                                   std::string_view preset) {
    const auto answer = win32::showInputBox(owner_, win32::utf8ToWide(prompt),
                                            win32::utf8ToWide(title), win32::utf8ToWide(preset));
    return answer ? win32::wideToUtf8(*answer) : std::string();
}

std::string Win32Dialogs::openFile(std::string_view title, const std::vector<FileType>& fileTypes) {
    // Whether the file exists is the caller's question, asked after the dialog.
    return fileDialog(title, fileTypes, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, GetOpenFileNameW,
                      "Open");
}

std::string Win32Dialogs::saveFile(std::string_view title, const std::vector<FileType>& fileTypes) {
    return fileDialog(
        title, fileTypes,
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN,
        GetSaveFileNameW, "Save");
}

std::string Win32Dialogs::fileDialog(std::string_view title, const std::vector<FileType>& fileTypes,
                                     DWORD flags, BOOL(WINAPI* show)(LPOPENFILENAMEW),
                                     std::string_view name) {
    const std::wstring wideTitle = win32::utf8ToWide(title);
    const std::wstring filter = filterOf(fileTypes);
    std::wstring fileName(fileNameChars, L'\0');  // empty: the dialog starts with no name
    // A name typed without an extension takes the first type's.
    std::wstring extension;
    if (!fileTypes.empty() && fileTypes.front().patterns.starts_with("*.") &&
        fileTypes.front().patterns.find_first_of("*?;", 2) == std::string::npos) {
        extension = win32::utf8ToWide(fileTypes.front().patterns.substr(2));
    }

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = fileNameChars;
    dialog.lpstrTitle = wideTitle.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = flags | OFN_EXPLORER;

    if (show(&dialog)) {
        fileName.resize(fileName.find(L'\0'));
        return win32::wideToUtf8(fileName);
    }
    const DWORD code = CommDlgExtendedError();
    if (code == 0) {
        throw base::AppError(base::error_number::dialogCancelled, "Cancel was selected.");
    }
    throw base::AppError(
        fileDialogFailedBase + static_cast<int32_t>(code),
        "The " + std::string(name) + " dialog failed (code " + std::to_string(code) + ").");
}

}  // namespace platform

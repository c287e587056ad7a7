#pragma once

#include <windows.h>

#include <commdlg.h>

#include "platform/dialogs.h"

namespace platform {

// Message boxes and the input box of user32, the Open and Save dialogs of
// comdlg32.
// Every dialog is modal to the owner window.
class Win32Dialogs : public Dialogs {
public:
    // The main window once it exists; null (the default) leaves dialogs unowned.
    void setOwner(HWND owner) noexcept { owner_ = owner; }

    int messageBox(std::string_view text, std::string_view title, int style) override;
    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view preset) override;
    // Besides the cancel error of the interface, a failing Open or Save
    // dialog raises base::AppError 20000 + its extended error code.
    std::string openFile(std::string_view title, const std::vector<FileType>& fileTypes) override;
    std::string saveFile(std::string_view title, const std::vector<FileType>& fileTypes) override;
    // The system's Print dialog (win32_print_dialog.cpp). With no printer
    // installed it raises base::AppError (printer unavailable) without showing.
    bool showPrinter(PrinterDialog& dialog) override;

private:
    // The Open or Save dialog (`show`), `name` naming it in its failure.
    std::string fileDialog(std::string_view title, const std::vector<FileType>& fileTypes,
                           DWORD flags, BOOL(WINAPI* show)(LPOPENFILENAMEW), std::string_view name);

    HWND owner_ = nullptr;
};

}  // namespace platform

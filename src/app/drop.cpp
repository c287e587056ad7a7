// Files and folders dropped on the window: the first of them opens as the
// Open command opens a file; a folder opens at its first page image.

#include "app/frmMain.h"
#include "platform/mdlGen.h"

namespace {

using platform::message_style::information;

}  // namespace

void frmMain::Form_FilesDropped(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    const std::string& dropped = paths.front();
    platform::Files& files = platform_.files;
    if (files.exists(dropped) || !files.anyEntry(dropped + "\\")) {
        openWithItsFolder(dropped, false);
        return;
    }
    try {
        if (scanFolder(dropped) <= 0) {
            platform_.dialogs.messageBox("This folder holds no page images:\r\n" + dropped,
                                         productCaption, information);
            return;
        }
    } catch (const base::AppError& error) {
        reportUnopenable(dropped, error);
        return;
    }
    openWithItsFolder(dropped + "\\" + lstFile.items().front(), true);
}

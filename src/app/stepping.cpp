// Stepping to the next or previous page image of the shown file's folder: the
// folder says which file comes next, the tag check and the opening decide.

#include "app/frmMain.h"
#include "ui/screen.h"

bool frmMain::openIfTagged(const std::string& path, int stepDirection) {
    const std::optional<tags::PageRecord> page = checkPage(path);
    if (!page) return false;
    // The bar names only the page on view.
    if (openPicture(path, Listing::readAnew, stepDirection)) showPageRecord(*page);
    layoutWindow();
    return true;
}

void frmMain::showNext() { step(+1); }

void frmMain::showPrevious() { step(-1); }

void frmMain::step(int direction) {
    const ui::HourglassPointer hourglass;
    std::optional<nav::Folder::Walk> walk;
    try {
        walk = folder_.walk(direction);
    } catch (const base::AppError& error) {
        // No step rather than one to a wrong entry; the shown picture stays.
        platform_.dialogs.messageBox("This folder holds too many files to step through:\r\n" +
                                         folder_.path() + "\r\n\r\n" + error.description(),
                                     productCaption, platform::message_style::exclamation);
        return;
    }
    // When no entry is a page image any more, the shown picture stays.
    while (const std::optional<std::string> path = walk->next()) {
        try {
            if (openIfTagged(*path, direction)) return;
        } catch (const base::AppError& error) {
            // A page image whose picture cannot be decoded ends the step here,
            // with the previous picture still shown.
            reportUnopenable(*path, error);
            return;
        }
    }
}

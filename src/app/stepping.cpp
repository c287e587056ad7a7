// Stepping to the next or previous page image of the shown file's folder.

#include "app/frmMain.h"
#include "nav/mdlGen.h"
#include "ui/screen.h"

namespace {

// Reduces every doubled backslash to one, except the two that begin a
// network path ("\\server\share"), which must stay.
std::string withSingleBackslashes(const std::string& path) {
    const size_t keep = path.rfind("\\\\", 0) == 0 ? 2 : 0;
    std::string result = path.substr(0, keep);
    for (size_t i = keep; i < path.size(); ++i) {
        if (path[i] == '\\' && !result.empty() && result.back() == '\\' && result.size() > keep) {
            continue;
        }
        result += path[i];
    }
    return result;
}

// Tells why a step did nothing in a folder whose listing cannot be counted.
void reportUncountable(platform::Dialogs& dialogs, const std::string& folder,
                       const base::AppError& error) {
    dialogs.messageBox("This folder holds too many files to step through:\r\n" + folder +
                           "\r\n\r\n" + error.description(),
                       frmMain::productCaption, platform::message_style::exclamation);
}

}  // namespace

bool frmMain::openIfTagged(const std::string& path) {
    const std::string single = withSingleBackslashes(path);
    // The check puts the file's title and address in the bar; when its
    // picture is not shown, the bar names the one still on view again.
    const PageLabels shown = pageLabels();
    if (!isContainIPTC(single)) return false;
    try {
        if (!openPicture(single)) setPageLabels(shown);
    } catch (const base::AppError&) {
        setPageLabels(shown);
        throw;
    }
    layoutWindow();
    return true;
}

void frmMain::showNext() { step(+1); }

void frmMain::showPrevious() { step(-1); }

void frmMain::step(int direction) {
    const ui::HourglassPointer hourglass;
    int32_t entries = 0;
    int32_t index = 0;
    try {
        entries = file_currDir.listCount();
        index = findListedIndex();
    } catch (const base::AppError& error) {
        // More entries than the 16-bit count and index hold (overflow): no
        // step rather than one to a wrong entry; the shown picture stays.
        reportUncountable(platform_.dialogs, file_currDir.path(), error);
        return;
    }
    if (entries < 2) return;

    // One full round at most: when no entry is a page image any more, the
    // shown picture stays as it is.
    for (int32_t tries = 0; tries < entries; ++tries) {
        const int32_t count = file_currDir.listCount();
        if (count == 0) return;
        index += direction;
        if (index >= count) index = 0;
        if (index < 0) index = count - 1;
        const std::string path = file_currDir.path() + "\\" + file_currDir.items()[index];
        try {
            if (openIfTagged(path)) return;
        } catch (const base::AppError& error) {
            // A page image whose picture cannot be decoded ends the step here,
            // with the previous picture still shown.
            reportUnopenable(withSingleBackslashes(path), error);
            return;
        }
    }
}

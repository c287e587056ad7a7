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

// Shows the hourglass over the whole program while it lives, then the
// default pointer.
class HourglassPointer {
public:
    HourglassPointer() { ui::screen().setMousePointer(ui::Pointer::hourglass); }
    ~HourglassPointer() { ui::screen().setMousePointer(ui::Pointer::normal); }
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;
};

}  // namespace

bool frmMain::openIfTagged(const std::string& path) {
    const std::string single = withSingleBackslashes(path);
    if (!isContainIPTC(single)) return false;
    openPicture(single);
    layoutWindow();
    return true;
}

void frmMain::showNext() { step(+1); }

void frmMain::showPrevious() { step(-1); }

void frmMain::step(int direction) {
    const HourglassPointer hourglass;
    const int32_t entries = file_currDir.listCount();
    if (entries < 2) return;

    int32_t index = findListedIndex();
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

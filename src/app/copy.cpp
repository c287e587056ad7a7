// Copying what is shown for other programs: the page's address as text, the
// picture as a bitmap.

#include "app/frmMain.h"
#include "ui/screen.h"

namespace {

using platform::message_style::exclamation;

}  // namespace

void frmMain::copyShownAddress() {
    if (shownAddress_.empty()) return;
    if (!platform_.clipboard.putText(nativeHandle(), shownAddress_)) {
        platform_.dialogs.messageBox("The address could not be copied: the clipboard is busy.",
                                     productCaption, exclamation);
    }
}

void frmMain::copyShownPicture() {
    if (!viewport_.loaded()) return;
    // What is shown: the shrunk rendering, or the whole picture at its size.
    waitForWholePicture();
    const base::Picture shown = imgDisplay.picture();
    if (!shown) return;
    const ui::HourglassPointer hourglass;
    if (!platform_.clipboard.putPicture(nativeHandle(), *shown)) {
        platform_.dialogs.messageBox(
            "The picture could not be copied: the clipboard is busy, or the picture is too "
            "large for it.",
            productCaption, exclamation);
    }
}

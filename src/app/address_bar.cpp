// The address bar's go button in its three looks, and the pointer that
// announces the Shift+Click on the picture.

#include "app/frmMain.h"
#include "net/open_or_tell.h"
#include "ui/screen.h"

namespace {

enum GoLook : size_t { goNormal = 0, goHover = 1, goPressed = 2 };

}  // namespace

void frmMain::showGoLook(bool normal, bool hover) {
    imgGo[goNormal].setVisible(normal);
    imgGo[goHover].setVisible(hover);
}

void frmMain::imgGo_MouseMove(int16_t, const ui::MouseArgs&) { showGoLook(false, true); }

void frmMain::imgGo_MouseDown(int16_t, const ui::MouseArgs& args) {
    if (args.button != ui::leftButton) return;
    showGoLook(false, false);
    imgGo[goPressed].setVisible(true);
}

void frmMain::imgGo_MouseUp(int16_t, const ui::MouseArgs&) {
    // Any button: also the right one, which never showed the pressed look.
    showGoLook(true, false);
    imgGo[goPressed].setVisible(false);
    openShownAddress();
}

// Leaving the button for the form, the picture frame or the address frame
// brings back its normal look; only a mouse-up ends the pressed one.
void frmMain::Form_MouseMove(const ui::MouseArgs&) { showGoLook(true, false); }

void frmMain::frImage_MouseMove(const ui::MouseArgs&) { showGoLook(true, false); }

void frmMain::frAddress_MouseMove(const ui::MouseArgs&) {
    showGoLook(true, false);
    ui::screen().setMousePointer(ui::Pointer::normal);
}

void frmMain::imgDisplay_MouseMove(const ui::MouseArgs&) {
    showGoLook(true, false);
    if (!shiftClick_.held()) return;
    // While Shift is held the whole program shows the go pointer: a click on
    // the picture now follows the address.
    ui::Screen& screen = ui::screen();
    screen.setMouseIcon(imgGo[goNormal].mouseIcon());
    screen.setMousePointer(ui::Pointer::custom);
}

void frmMain::Label1_MouseMove(const ui::MouseArgs&) {
    ui::screen().setMousePointer(ui::Pointer::normal);
}

void frmMain::lblTessmire_MouseMove(const ui::MouseArgs&) {
    ui::screen().setMousePointer(ui::Pointer::normal);
}

void frmMain::openShownAddress() {
    const std::string& address = lblAddress.caption();
    if (address.empty()) return;
    mdlNet::openBrowserOrTell(platform_, address);
}

// The keys of the main window.

#include "app/frmMain.h"
#include "ui/screen.h"

namespace {

// Shift states as the key events give them.
constexpr int16_t shiftAlone = ui::shiftMask;
constexpr int16_t shiftCtrl = ui::shiftMask | ui::ctrlMask;
constexpr int16_t shiftAlt = ui::shiftMask | ui::altMask;

}  // namespace

void frmMain::Form_KeyDown(int16_t /*keyCode*/, int16_t shift) {
    // Shift alone begins the Shift+Click gesture on the picture.
    if (shift == shiftAlone) shiftDown_ = true;
}

void frmMain::Form_KeyUp(int16_t /*keyCode*/, int16_t shift) {
    // Only once Shift is let go: the state no longer holds it alone, with
    // Ctrl or with Alt.
    if (!shiftDown_ || shift == shiftAlone || shift == shiftCtrl || shift == shiftAlt) return;
    if (addressClickPending_) {
        openShownAddress();
        addressClickPending_ = false;
    }
    shiftDown_ = false;
    ui::screen().setMousePointer(ui::Pointer::normal);
}

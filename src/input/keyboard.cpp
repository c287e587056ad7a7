// The keys of the main window.

#include <algorithm>

#include "app/frmMain.h"
#include "ui/screen.h"

namespace {

// Shift states as the key events give them.
constexpr int16_t shiftAlone = ui::shiftMask;
constexpr int16_t shiftCtrl = ui::shiftMask | ui::ctrlMask;
constexpr int16_t shiftAlt = ui::shiftMask | ui::altMask;
constexpr int16_t altAlone = ui::altMask;

// Key codes (the platform's virtual keys).
namespace key {
constexpr int16_t space = 32;
constexpr int16_t pageUp = 33;
constexpr int16_t pageDown = 34;
constexpr int16_t end = 35;
constexpr int16_t home = 36;
constexpr int16_t left = 37;
constexpr int16_t right = 39;
constexpr int16_t a = 65;
constexpr int16_t b = 66;
constexpr int16_t h = 72;
constexpr int16_t o = 79;
constexpr int16_t p = 80;
constexpr int16_t s = 83;
}  // namespace key

}  // namespace

bool frmMain::Form_KeyDown(int16_t keyCode, int16_t shift) {
    // Shift alone begins the Shift+Click gesture on the picture.
    if (shift == shiftAlone) shiftDown_ = true;

    // Moving: whatever the shift state. The bar counts in its own units,
    // which are pixels unless the picture outgrows the 16-bit range.
    const bool paging = scroll_v.visible();
    const int32_t value = scroll_v.value();
    const int32_t maximum = scroll_v.max();
    const int32_t frameHeight = frImage.height();
    const auto moveTo = [&](int32_t target) {
        scroll_v.setValue(static_cast<int16_t>(std::clamp(target, 0, maximum)));
    };
    if (keyCode == key::pageDown && paging) {
        moveTo(vScale_.pixels(maximum - value) > frameHeight
                   ? value + vScale_.units(frameHeight - pageOverlap)
                   : maximum);
    } else if (keyCode == key::pageUp && paging) {
        moveTo(vScale_.pixels(value) > frameHeight
                   ? value - vScale_.units(frameHeight - pageOverlap)
                   : 0);
    } else if (keyCode == key::home && paging) {
        moveTo(0);
    } else if (keyCode == key::end && paging) {
        moveTo(maximum);
    } else if (keyCode == key::left) {
        showPrevious();
    } else if (keyCode == key::right) {
        showNext();
    } else if (keyCode == key::space) {
        imgDown_Click();
    }

    // The commands: with Alt alone, after any movement.
    if (shift != altAlone) return false;
    switch (keyCode) {
        case key::o:
            browseJPEG();
            return true;
        case key::a:
            toggleAddressBar();
            return true;
        case key::b:
            showAbout();
            return true;
        case key::h:
            openHelp();
            return true;
        case key::p:
            printPicture();
            return true;
        case key::s:
            showSettings();
            return true;
        default:
            return false;
    }
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

void frmMain::Form_Deactivate() {
    if (!shiftDown_ && !addressClickPending_) return;  // the pointer may be another's
    shiftDown_ = false;
    addressClickPending_ = false;
    ui::screen().setMousePointer(ui::Pointer::normal);
}

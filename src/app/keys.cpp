// The main window's keys: what each does, asked of the input room, done here.

#include "app/frmMain.h"
#include "input/keyboard.h"
#include "ui/screen.h"

bool frmMain::Form_KeyDown(int16_t keyCode, int16_t shift) {
    shiftClick_.keyDown(shift);

    // The bar counts in its own units, which are pixels unless the picture
    // outgrows the 16-bit range. Paging keys move it only while it shows.
    const bool paging = scroll_v.visible();
    const int32_t value = scroll_v.value();
    const int32_t maximum = scroll_v.max();
    const auto moveTo = [&](int32_t target) { scroll_v.setValue(static_cast<int16_t>(target)); };
    using input::KeyCommand;
    const KeyCommand command = input::keyCommand(keyCode, shift);
    switch (command) {
        case KeyCommand::pageDown:
            if (paging) moveTo(viewport_.pageDown(value, maximum, frImage.height()));
            return false;
        case KeyCommand::pageUp:
            if (paging) moveTo(viewport_.pageUp(value, maximum, frImage.height()));
            return false;
        case KeyCommand::top:
            if (paging) moveTo(0);
            return false;
        case KeyCommand::end:
            if (paging) moveTo(maximum);
            return false;
        case KeyCommand::previousPage:
            showPrevious();
            return false;
        case KeyCommand::nextPage:
            showNext();
            return false;
        case KeyCommand::pageDownButton:
            imgDown_Click();
            return false;
        case KeyCommand::none:
            return false;
        default:
            return runCommand(command);
    }
}

bool frmMain::runCommand(input::KeyCommand command) {
    using input::KeyCommand;
    switch (command) {
        case KeyCommand::openFile:
            browseJPEG();
            return true;
        case KeyCommand::toggleAddressBar:
            toggleAddressBar();
            return true;
        case KeyCommand::about:
            showAbout();
            return true;
        case KeyCommand::help:
            openHelp();
            return true;
        case KeyCommand::print:
            printPicture();
            return true;
        case KeyCommand::settings:
            showSettings();
            return true;
        case KeyCommand::copyAddress:
            copyShownAddress();
            return true;
        case KeyCommand::copyPicture:
            copyShownPicture();
            return true;
        default:
            return false;
    }
}

void frmMain::Form_KeyUp(int16_t /*keyCode*/, int16_t shift) {
    using Release = input::ShiftClickGesture::Release;
    const Release release = shiftClick_.keyUp(shift);
    if (release == Release::none) return;
    if (release == Release::openAddress) openShownAddress();
    ui::screen().setMousePointer(ui::Pointer::normal);
}

void frmMain::Form_Deactivate() {
    // Only a gesture's pointer goes: another may be the hourglass's.
    if (shiftClick_.cancel()) ui::screen().setMousePointer(ui::Pointer::normal);
}

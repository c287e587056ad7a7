// The viewer's commands in the window's system menu, and the hooked messages
// that carry them and the mouse wheel.

#include <cmath>

#include "app/frmMain.h"
#include "input/commands.h"
#include "nav/mdlGen.h"

namespace {

// The wheel's delta for one notch.
constexpr double notch = 120;

// The signed high word of a message parameter.
int32_t highWord(uintptr_t parameter) {
    return static_cast<int16_t>(static_cast<uint16_t>((parameter >> 16) & 0xFFFF));
}

}  // namespace

void frmMain::appendSystemMenu() {
    ui::MenuItem separator;
    separator.separator = true;
    appendSystemMenuItem(0, separator);
    for (const commands::Entry& entry : commands::menuEntries) {
        appendSystemMenuItem(entry.id, {std::string(entry.text),
                                        entry.id == commands::addressBar && addressBarShown_});
    }
}

void frmMain::toggleAddressBar() { showAddressBar(!addressBarShown_); }

void frmMain::showAddressBar(bool shown, bool greyed) {
    modifySystemMenuItem(commands::addressBar,
                         {std::string(commands::addressBarEntry), shown, greyed});
    addressBarShown_ = shown;
    layoutWindow();
}

std::optional<intptr_t> frmMain::handleWindowMessage(uintptr_t, uint32_t message, uintptr_t wParam,
                                                     intptr_t) {
    if (message == platform::window_message::systemCommand) {
        switch (wParam) {
            case commands::addressBar:
                toggleAddressBar();
                return 1;
            case commands::about:
                showAbout();
                return 1;
            case commands::help:
                openHelp();
                return 1;
            case commands::open:
                browseJPEG();
                return 1;
            case commands::print:
                printPicture();
                return 1;
            case commands::settings:
                showSettings();
                return 1;
            default:
                return std::nullopt;
        }
    }
    if (message == platform::window_message::mouseWheel && vScrollShown_) {
        scrollByWheel(highWord(wParam));
        return 1;
    }
    return std::nullopt;
}

void frmMain::scrollByWheel(int32_t delta) {
    // A notch moves the bar's arrow step, 100 pixels: about what a browser
    // moves a web page by. Wheels and touchpads that scroll smoothly send
    // many smaller turns; each moves its share of a notch, the shares adding
    // up until they make whole pixels. Positive: down the page.
    const double step = scroll_v.smallChange();
    const double turn = -delta * step / notch;
    if ((turn < 0) != (wheelPixels_ < 0)) wheelPixels_ = 0;  // the other way: afresh
    wheelPixels_ += turn;

    const int32_t value = scroll_v.value();
    const int32_t maximum = scroll_v.max();
    const bool down = wheelPixels_ > 0;
    if (down ? value == maximum : value == 0) {
        wheelPixels_ = 0;  // against the end: nothing to move, nothing kept
        return;
    }
    const auto pixels = static_cast<int32_t>(std::trunc(std::fabs(wheelPixels_)));
    const int32_t units = vScale_.units(pixels);
    if (units == 0) return;  // not yet a whole unit of the bar
    wheelPixels_ -= down ? vScale_.pixels(units) : -vScale_.pixels(units);

    int32_t target = 0;
    if (down) {
        target = vScale_.pixels(maximum - value) > pixels ? value + units : maximum;
    } else {
        // Near the top (within twice the move) the picture goes right to it.
        target = vScale_.pixels(value) - pixels > pixels ? value - units : 0;
    }
    scroll_v.setValue(static_cast<int16_t>(std::clamp(target, 0, maximum)));
}

void frmMain::showAbout() { about_.showModeless(); }

void frmMain::showSettings() { settings_.showModeless(); }

void frmMain::openHelp() {
    // The executable's folder, as the program names it: no closing backslash.
    const std::string folder =
        mdlGen::withoutTrailingBackslash(mdlGen::getFolder(platform_.shell.executablePath()));
    // A missing help file is not reported.
    platform_.shell.shellExecute("open", folder + "\\help.chm", "", folder);
}

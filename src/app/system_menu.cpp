// The viewer's commands in the window's system menu, and the hooked messages
// that carry them and the mouse wheel.

#include "app/frmMain.h"
#include "input/commands.h"
#include "platform/mdlGen.h"

namespace {

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
        for (const commands::Entry& entry : commands::menuEntries) {
            if (wParam != static_cast<uintptr_t>(entry.id)) continue;
            runCommand(entry.command);
            return 1;
        }
        return std::nullopt;
    }
    if (message == platform::window_message::mouseWheel && viewport_.verticalBar()) {
        scrollByWheel(highWord(wParam));
        return 1;
    }
    return std::nullopt;
}

void frmMain::scrollByWheel(int32_t delta) {
    const std::optional<int32_t> target = wheel_.turn(
        delta, scroll_v.smallChange(), scroll_v.value(), scroll_v.max(), viewport_.verticalScale());
    if (target) scroll_v.setValue(static_cast<int16_t>(*target));
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

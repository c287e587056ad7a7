#include "input/keyboard.h"

namespace input {

namespace {

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
constexpr int16_t c = 67;
constexpr int16_t h = 72;
constexpr int16_t o = 79;
constexpr int16_t p = 80;
constexpr int16_t s = 83;
}  // namespace key

}  // namespace

KeyCommand keyCommand(int16_t keyCode, int16_t shift) noexcept {
    switch (keyCode) {
        case key::pageDown:
            return KeyCommand::pageDown;
        case key::pageUp:
            return KeyCommand::pageUp;
        case key::home:
            return KeyCommand::top;
        case key::end:
            return KeyCommand::end;
        case key::left:
            return KeyCommand::previousPage;
        case key::right:
            return KeyCommand::nextPage;
        case key::space:
            return KeyCommand::pageDownButton;
        default:
            break;
    }
    if (keyCode == key::c && shift == ui::ctrlMask) return KeyCommand::copyAddress;
    if (keyCode == key::c && shift == shift_state::shiftCtrl) return KeyCommand::copyPicture;
    if (shift != shift_state::altAlone) return KeyCommand::none;
    switch (keyCode) {
        case key::o:
            return KeyCommand::openFile;
        case key::a:
            return KeyCommand::toggleAddressBar;
        case key::b:
            return KeyCommand::about;
        case key::h:
            return KeyCommand::help;
        case key::p:
            return KeyCommand::print;
        case key::s:
            return KeyCommand::settings;
        default:
            return KeyCommand::none;
    }
}

}  // namespace input

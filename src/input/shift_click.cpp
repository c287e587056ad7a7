#include "input/shift_click.h"

#include "input/keyboard.h"

namespace input {

void ShiftClickGesture::keyDown(int16_t shift) noexcept {
    if (shift == shift_state::shiftAlone) held_ = true;
}

ShiftClickGesture::Release ShiftClickGesture::keyUp(int16_t shift) noexcept {
    using namespace shift_state;
    if (!held_ || shift == shiftAlone || shift == shiftCtrl || shift == shiftAlt) {
        return Release::none;
    }
    const bool open = clicked_;
    held_ = false;
    clicked_ = false;
    return open ? Release::openAddress : Release::ended;
}

void ShiftClickGesture::pictureClicked() noexcept {
    if (held_) clicked_ = true;
}

bool ShiftClickGesture::cancel() noexcept {
    const bool underWay = held_ || clicked_;
    held_ = false;
    clicked_ = false;
    return underWay;
}

}  // namespace input

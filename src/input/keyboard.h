#pragma once
// What the main window's keys do: the movement keys whatever the shift state,
// the Alt commands with Alt alone, the copies with Ctrl.

#include <cstdint>

#include "ui/types.h"

namespace input {

// Shift states as the key events give them.
namespace shift_state {
inline constexpr int16_t shiftAlone = ui::shiftMask;
inline constexpr int16_t shiftCtrl = ui::shiftMask | ui::ctrlMask;
inline constexpr int16_t shiftAlt = ui::shiftMask | ui::altMask;
inline constexpr int16_t altAlone = ui::altMask;
}  // namespace shift_state

enum class KeyCommand {
    none,
    // Movement.
    pageDown,
    pageUp,
    top,
    end,
    previousPage,
    nextPage,
    pageDownButton,  // Space: as the page-down button
    // With Alt alone.
    openFile,
    toggleAddressBar,
    about,
    help,
    print,
    settings,
    // With Ctrl: beyond the buttons.
    copyAddress,
    copyPicture,  // Ctrl+Shift
};

// The command of `keyCode` (the platform's virtual key) with `shift`.
KeyCommand keyCommand(int16_t keyCode, int16_t shift) noexcept;

}  // namespace input

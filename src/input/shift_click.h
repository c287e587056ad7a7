#pragma once
// The Shift+Click gesture on the picture: Shift held alone arms the picture, a
// click on it while Shift is held marks the page's address, and letting Shift
// go opens it. Losing the keyboard to another window ends the gesture, since
// a Shift let go there never comes back.

#include <cstdint>

namespace input {

class ShiftClickGesture {
public:
    // What letting a key go did.
    enum class Release {
        none,         // the gesture goes on, or there was none
        ended,        // Shift was let go: the go pointer goes
        openAddress,  // as ended, and the picture was clicked meanwhile
    };

    // A key went down with this shift state (1 Shift, 2 Ctrl, 4 Alt, added up).
    void keyDown(int16_t shift) noexcept;
    // A key went up with this shift state: once Shift is no longer held
    // (alone, with Ctrl or with Alt) the gesture ends.
    Release keyUp(int16_t shift) noexcept;
    // A click on the picture: marks the address while Shift is held.
    void pictureClicked() noexcept;
    // The window lost the keyboard: true when a gesture was under way, whose
    // pointer must go.
    bool cancel() noexcept;

    bool held() const noexcept { return held_; }
    bool clicked() const noexcept { return clicked_; }

private:
    bool held_ = false;
    bool clicked_ = false;
};

}  // namespace input

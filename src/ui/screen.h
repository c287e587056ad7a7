#pragma once
// What the toolkit keeps for the whole program rather than for one window:
// the application-wide mouse pointer, and the showing of a window of its own
// for a form (a modeless box). A backend attaches a peer to mirror it on
// screen; without one (the headless backend) it keeps plain state.

#include "ui/types.h"

namespace ui {

class Form;

class ScreenPeer {
public:
    virtual ~ScreenPeer() = default;
    // The pointer or its icon changed: show it now, not at the next move.
    virtual void pointerChanged() = 0;
    // Makes the window of `form` when it has none, shows it and brings it to
    // the front.
    virtual void showForm(Form& form) = 0;
};

class Screen {
public:
    Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // The pointer every window of the program asks for first.
    Pointer mousePointer() const noexcept { return pointer_; }
    void setMousePointer(Pointer pointer);
    // What the custom pointer shows.
    PointerIcon mouseIcon() const noexcept { return icon_; }
    void setMouseIcon(PointerIcon icon);

    // Shows `form` as a window of its own, with no owner and not modal: made
    // when it has no window (again, after it was closed), else brought to the
    // front, so a form never has two windows.
    void showForm(Form& form);

    // Backend side: the peer outlives its use here, or detaches first.
    void setPeer(ScreenPeer* peer) noexcept { peer_ = peer; }

private:
    Pointer pointer_ = Pointer::normal;
    PointerIcon icon_ = PointerIcon::arrow;
    ScreenPeer* peer_ = nullptr;
};

// The program's one screen.
Screen& screen();

// Shows the hourglass over the whole program while it lives, then the
// default pointer.
class HourglassPointer {
public:
    HourglassPointer() { screen().setMousePointer(Pointer::hourglass); }
    ~HourglassPointer() { screen().setMousePointer(Pointer::normal); }
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;
};

}  // namespace ui

#pragma once
// The program's screen on Win32: the application-wide pointer shown at once
// over whichever of the program's windows lies under the mouse, and forms
// shown in top-level windows of their own.

#include "ui/screen.h"

namespace ui::win32 {

class ScreenPeer final : public ui::ScreenPeer {
public:
    // Attaches itself to the program's screen for as long as it lives.
    ScreenPeer();
    ~ScreenPeer() override;
    ScreenPeer(const ScreenPeer&) = delete;
    ScreenPeer& operator=(const ScreenPeer&) = delete;

    void pointerChanged() override;
    // A window of its own: neither owned nor the main window (closing it
    // leaves the program running), with the form's design size.
    void showForm(Form& form) override;
};

// Shows the pointer the program's window under the mouse asks for now, not at
// the mouse's next move.
void refreshPointer();

}  // namespace ui::win32

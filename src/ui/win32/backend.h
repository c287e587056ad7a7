#pragma once
// The toolkit on Win32: a form becomes a top-level window, its frames,
// picture boxes, scroll bars and buttons child windows, and its labels, images
// and lines are drawn by the window of their container (list boxes are data
// only). Every property change of a control shows on screen before the
// setter returns; the user's actions come back as the controls' events.
//
// Units: a control placed in a twips container is converted to pixels with the
// screen's twips per pixel, each of left, top, width and height rounded on its
// own (halves to even); mouse positions come back in the same scale.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/form.h"
#include "ui/win32/units.h"

namespace ui::win32 {

struct WindowOptions {
    int32_t clientWidth = 0;  // pixels
    int32_t clientHeight = 0;
    // Ends the message loop (WM_QUIT) when the window is destroyed.
    bool mainWindow = true;
    // Runs once: when the user closes the window, before it is destroyed, or
    // when Windows ends the session.
    std::function<void()> closing;
};

// The screen's twips per pixel, from its DPI (1440 / DPI).
ScreenScale screenScale();

// Options for a window of the form's design size on this screen; not the
// main window.
WindowOptions designWindowOptions(const Form& form);

// Puts the program's screen (ui::screen: the application-wide pointer, forms
// shown with Form::show) on this backend; createWindow does it too.
void attachScreen();

// Makes the window of `form` and a peer for each of its controls, sets the
// form's screen metrics and fires its Resize with the client size. The window
// is hidden, centred on the work area. The form owns the peers: the windows
// go when the form goes, or earlier when the user closes the window. Throws
// std::runtime_error when the system refuses a window.
void createWindow(Form& form, const WindowOptions& options);

// Shows the window as ShowWindow's `showCommand` says, unless the form is hidden.
void showWindow(Form& form, int showCommand);

// The window of a form or of a control with a window of its own (frame,
// picture box, scroll bar); null for one drawn by its container, or for a
// control without a peer.
HWND windowOf(const Control& control);

// Runs the message loop until WM_QUIT and returns its exit code. An exception
// that left one of the form's event handlers ends the loop and is rethrown.
int runMessageLoop(Form& form);

// Handles the messages waiting for this thread and returns; rethrows as
// runMessageLoop does.
void pumpMessages(Form& form);

}  // namespace ui::win32

#pragma once
// Where a control's own window goes inside its container's window, and the
// calls that put it there.

#include <windows.h>

#include "ui/control.h"
#include "ui/win32/units.h"
#include "ui/win32/window_base.h"

namespace ui::win32 {

class ContainerWindow;

struct ChildWindowState {
    Placement placement;
    bool shown = false;  // visible, and some of it inside the container's window
    bool operator==(const ChildWindowState&) const = default;
};

ChildWindowState wantedState(const Control& control, const ContainerWindow& container);

// Moves, sizes, shows or hides `window` from `before` to `after`, calling the
// system only for what changed. `extraFlags` are added to SetWindowPos's.
void applyState(HWND window, const ChildWindowState& before, const ChildWindowState& after,
                UINT extraFlags = 0);

// How to make the window of a child in that state: at its place in `parent`,
// visible when it is shown, with `style` added to WS_CHILD.
WindowArgs childWindowArgs(const ChildWindowState& state, HWND parent, DWORD style);

// Puts a new child window on top of its siblings: the container's children
// are made in z-order, first at the bottom, and the system puts new windows
// beneath the others.
void bringToTop(HWND window);

}  // namespace ui::win32

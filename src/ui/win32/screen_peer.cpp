#include "ui/win32/screen_peer.h"

#include <windows.h>

#include "ui/form.h"
#include "ui/win32/backend.h"

namespace ui::win32 {

ScreenPeer::ScreenPeer() { screen().setPeer(this); }

ScreenPeer::~ScreenPeer() { screen().setPeer(nullptr); }

void ScreenPeer::pointerChanged() { refreshPointer(); }

void refreshPointer() {
    POINT point{};
    GetCursorPos(&point);
    const HWND under = WindowFromPoint(point);
    // Only the program's own windows answer to its pointer.
    if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) return;
    // Busy work and key presses send no WM_SETCURSOR, so the pointer changes now.
    const auto hitTest =
        static_cast<WORD>(SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(hitTest, WM_MOUSEMOVE));
}

void ScreenPeer::showForm(Form& form) {
    if (!form.isOpen()) createWindow(form, designWindowOptions(form));
    const HWND window = windowOf(form);
    if (!window) return;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    showWindow(form, SW_SHOW);
    SetForegroundWindow(window);
}

}  // namespace ui::win32

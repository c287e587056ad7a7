#pragma once
// Subclassing the main window: its procedure is replaced by one that hands
// every message to the program's handler first. The handler and the window's
// own procedure are kept as properties of the window ("ObjectPointer",
// "OldWindowProc"), which stay on it after the hook is removed.

#include <windows.h>

#include "platform/window_hook.h"

namespace mdlHook {

void hookWindow(HWND window, platform::WindowMessageHandler& handler);
// Does nothing when the window was never hooked.
void unhookWindow(HWND window);
// The procedure in place while hooked: what the handler does not answer goes
// to the window's own procedure; a handler that fails is unhooked at once.
LRESULT CALLBACK hookWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace mdlHook

namespace platform {

class Win32WindowHook : public WindowHook {
public:
    void hookWindow(uintptr_t window, WindowMessageHandler& handler) override {
        mdlHook::hookWindow(reinterpret_cast<HWND>(window), handler);
    }
    void unhookWindow(uintptr_t window) override {
        mdlHook::unhookWindow(reinterpret_cast<HWND>(window));
    }
    void postMessage(uintptr_t window, uint32_t message) noexcept override {
        PostMessageW(reinterpret_cast<HWND>(window), message, 0, 0);
    }
};

}  // namespace platform

#pragma once
// Messages of a window, seen by the program before the window's own
// procedure: how the main window gets its system-menu commands and the wheel.
// Messages the program posts to its own window (WM_APP and up) pass it by and
// reach the window's own procedure.

#include <cstdint>
#include <optional>

namespace platform {

// Message numbers the program hooks (the platform's WM_* values).
namespace window_message {
inline constexpr uint32_t systemCommand = 0x0112;
inline constexpr uint32_t mouseWheel = 0x020A;
}  // namespace window_message

class WindowMessageHandler {
public:
    virtual ~WindowMessageHandler() = default;
    // The message's result, or nothing to hand it on to the window's own
    // procedure. A base::AppError raised here removes the hook.
    virtual std::optional<intptr_t> handleWindowMessage(uintptr_t window, uint32_t message,
                                                        uintptr_t wParam, intptr_t lParam) = 0;
};

class WindowHook {
public:
    virtual ~WindowHook() = default;
    // Puts `handler` in front of the window's procedure; the handler must
    // outlive the hook, which holds it without owning it.
    virtual void hookWindow(uintptr_t window, WindowMessageHandler& handler) = 0;
    // Puts the window's own procedure back.
    virtual void unhookWindow(uintptr_t window) = 0;
    // Puts `message` in the window's queue and returns at once; safe on any
    // thread. It reaches the window's own procedure, hooked or not.
    virtual void postMessage(uintptr_t window, uint32_t message) noexcept = 0;
};

}  // namespace platform

#pragma once
// A window hook that keeps the handler it was given, so tests can send it the
// messages the platform would.

#include <cstdint>
#include <optional>

#include "platform/window_hook.h"

namespace testsupport {

class RecordingWindowHook : public platform::WindowHook {
public:
    void hookWindow(uintptr_t window, platform::WindowMessageHandler& handler) override {
        hookedWindow = window;
        handler_ = &handler;
    }
    void unhookWindow(uintptr_t) override {
        ++unhooks;
        handler_ = nullptr;
    }

    bool hooked() const noexcept { return handler_ != nullptr; }
    // A message through the hook as the platform delivers it: what the
    // handler answers, nothing when it passes the message on (or there is no
    // hook); a handler that fails is unhooked, as the real hook does.
    std::optional<intptr_t> send(uint32_t message, uintptr_t wParam, intptr_t lParam = 0) {
        if (!handler_) return std::nullopt;
        try {
            return handler_->handleWindowMessage(hookedWindow, message, wParam, lParam);
        } catch (...) {
            unhookWindow(hookedWindow);
            return 0;
        }
    }

    uintptr_t hookedWindow = 0;
    int unhooks = 0;

private:
    platform::WindowMessageHandler* handler_ = nullptr;
};

}  // namespace testsupport

#pragma once
// A window hook that keeps the handler it was given, so tests can send it the
// messages the platform would.

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/window_hook.h"
#include "ui/form.h"

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

    // Kept until deliverPosted(); posted from any thread.
    void postMessage(uintptr_t, uint32_t message) noexcept override {
        const std::lock_guard lock(postedMutex_);
        posted_.push_back(message);
    }
    // Hands every message posted so far to the window's own procedure, here
    // `form`'s MessagePosted, as the window's message loop would.
    void deliverPosted(ui::Form& form) {
        std::vector<uint32_t> messages;
        {
            const std::lock_guard lock(postedMutex_);
            messages.swap(posted_);
        }
        for (const uint32_t message : messages) {
            if (form.MessagePosted) form.MessagePosted(message);
        }
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
    std::mutex postedMutex_;
    std::vector<uint32_t> posted_;
};

}  // namespace testsupport

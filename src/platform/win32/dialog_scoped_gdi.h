#pragma once
// Scoped GDI state for measuring text inside dialogs: a window's DC, released
// with the window it came from, and an object selected into a DC, deselected
// again. Both are move-only; a moved-from owner releases nothing.

#include <windows.h>

#include <utility>

namespace platform::win32 {

class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ScopedWindowDc(ScopedWindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    ScopedWindowDc& operator=(ScopedWindowDc&& other) noexcept {
        if (this != &other) {
            release();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    ~ScopedWindowDc() { release(); }

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    void release() noexcept {
        if (dc_ != nullptr) ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

    HWND window_;
    HDC dc_;
};

class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelection(ScopedSelection&& other) noexcept
        : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
    ScopedSelection& operator=(ScopedSelection&&) = delete;
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;
    ~ScopedSelection() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace platform::win32

#pragma once
// A window of a system class (a scroll bar, the tooltip window) that the
// backend makes and owns. It is subclassed for as long as it lives: when its
// parent or owner takes it down first, WM_NCDESTROY drops the handle, so it is
// never destroyed twice; and its owner may look at its messages first.

#include <windows.h>

#include <functional>
#include <optional>

#include "ui/win32/window_base.h"

namespace ui::win32 {

class SystemWindow {
public:
    // Sees each message before the window's own procedure; a result ends the
    // message there. It must not throw.
    using Filter = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

    SystemWindow() = default;
    SystemWindow(const SystemWindow&) = delete;
    SystemWindow& operator=(const SystemWindow&) = delete;
    ~SystemWindow() { destroy(); }

    // Throws std::runtime_error when the window cannot be made.
    void create(const wchar_t* className, const WindowArgs& args, Filter filter = {});
    void destroy() noexcept;
    HWND hwnd() const noexcept { return hwnd_; }

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

    HWND hwnd_ = nullptr;
    Filter filter_;
};

}  // namespace ui::win32

#include "ui/win32/system_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/win32/work_times.h"

namespace ui::win32 {

namespace {
constexpr UINT_PTR subclassId = 1;
}

void SystemWindow::create(const wchar_t* className, const WindowArgs& args, Filter filter) {
    destroy();
    filter_ = std::move(filter);
    hwnd_ =
        CreateWindowExW(args.exStyle, className, args.text, args.style, args.x, args.y, args.width,
                        args.height, args.parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw std::runtime_error("a control window cannot be created");
    SetWindowSubclass(hwnd_, &SystemWindow::subclassProc, subclassId,
                      reinterpret_cast<DWORD_PTR>(this));
}

void SystemWindow::destroy() noexcept {
    if (!hwnd_) return;
    const HWND window = hwnd_;
    RemoveWindowSubclass(window, &SystemWindow::subclassProc, subclassId);
    hwnd_ = nullptr;
    DestroyWindow(window);
}

LRESULT CALLBACK SystemWindow::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) {
    auto* owner = reinterpret_cast<SystemWindow*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &SystemWindow::subclassProc, subclassId);
        owner->hwnd_ = nullptr;
    } else if (owner->filter_) {
        if (const std::optional<LRESULT> result = owner->filter_(message, wParam, lParam)) {
            return *result;
        }
    }
    if (message == WM_PAINT) {
        const TimedPiece timed("paint system control");
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace ui::win32

#include "ui/win32/window_base.h"

#include <stdexcept>

namespace ui::win32 {

namespace {

HINSTANCE thisModule() noexcept { return GetModuleHandleW(nullptr); }

}  // namespace

WindowBase::~WindowBase() { destroy(); }

void WindowBase::create(const WindowClass& windowClass, const WindowArgs& args) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(thisModule(), windowClass.name, &existing)) {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.lpfnWndProc = &WindowBase::windowProc;
        description.hInstance = thisModule();
        description.hCursor =
            windowClass.cursor ? windowClass.cursor : LoadCursorA(nullptr, IDC_ARROW);
        description.hIcon = windowClass.icon;
        description.hIconSm = windowClass.smallIcon;
        description.lpszClassName = windowClass.name;
        if (!RegisterClassExW(&description)) {
            throw std::runtime_error("the window class cannot be registered");
        }
    }
    // WM_NCCREATE sets hwnd_.
    if (!CreateWindowExW(args.exStyle, windowClass.name, args.text, args.style, args.x, args.y,
                         args.width, args.height, args.parent, nullptr, thisModule(), this)) {
        throw std::runtime_error("the window cannot be created");
    }
}

void WindowBase::destroy() noexcept {
    if (!hwnd_) return;
    const HWND window = hwnd_;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(window);
}

LRESULT WindowBase::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT WindowBase::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (...) {
        self->unhandledException(std::current_exception());
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace ui::win32

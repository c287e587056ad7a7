#include "platform/win32/mdlHook.h"

#include <exception>

namespace mdlHook {

namespace {

// The window's properties. The program's windows are Unicode windows, so the
// W calls are used throughout: subclassing through the A calls would turn
// every text message of the window into the ANSI code page.
constexpr wchar_t objectPointer[] = L"ObjectPointer";
constexpr wchar_t oldWindowProc[] = L"OldWindowProc";

}  // namespace

void hookWindow(HWND window, platform::WindowMessageHandler& handler) {
    SetPropW(window, objectPointer, &handler);
    SetPropW(window, oldWindowProc,
             reinterpret_cast<HANDLE>(GetWindowLongPtrW(window, GWLP_WNDPROC)));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hookWindowProc));
}

void unhookWindow(HWND window) {
    if (const HANDLE old = GetPropW(window, oldWindowProc)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    }
}

LRESULT CALLBACK hookWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* handler = static_cast<platform::WindowMessageHandler*>(GetPropW(window, objectPointer));
    if (!handler) return 0;
    try {
        const auto result = handler->handleWindowMessage(reinterpret_cast<uintptr_t>(window),
                                                         message, wParam, lParam);
        if (result) return *result;
    } catch (...) {
        // No exception may cross the system's frames; the window goes on
        // with its own procedure and the message that failed is dropped.
        unhookWindow(window);
        return 0;
    }
    const auto old = reinterpret_cast<WNDPROC>(GetPropW(window, oldWindowProc));
    return old ? CallWindowProcW(old, window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace mdlHook

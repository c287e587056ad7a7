#pragma once
// The form keeps the keyboard, whichever of its child windows is clicked: a
// child hands the focus back and passes its key messages on, so the form's
// KeyDown and KeyUp fire whatever was clicked last.

#include <windows.h>

#include <optional>

namespace ui::win32 {

// What a child window answers to `message` on the form's behalf; nothing when
// the message is not about the keyboard (or there is no form yet).
inline std::optional<LRESULT> keyboardToForm(HWND form, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (!form) return std::nullopt;
    switch (message) {
        case WM_SETFOCUS:
            SetFocus(form);
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
            return SendMessageW(form, message, wParam, lParam);
        default:
            return std::nullopt;
    }
}

}  // namespace ui::win32

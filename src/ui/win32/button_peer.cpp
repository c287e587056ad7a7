#include "ui/win32/button_peer.h"

#include <utility>

#include "platform/win32/text_conv.h"
#include "ui/win32/backend_context.h"
#include "ui/win32/container_window.h"
#include "ui/win32/label_text.h"

namespace ui::win32 {

ButtonPeer::ButtonPeer(ContainerWindow& container, CommandButton& button)
    : container_(container), button_(button), state_(wantedState(button, container)) {
    const WindowArgs args =
        childWindowArgs(state_, container.hwnd(), WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON);
    window_.create(L"BUTTON", args, [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return filter(message, wParam, lParam);
    });
    bringToTop(window_.hwnd());
    showContent();
}

void ButtonPeer::changed(Change what) {
    if (what == Change::content) {
        showContent();
    } else {
        place();
    }
}

void ButtonPeer::place() {
    const ChildWindowState now = wantedState(button_, container_);
    applyState(window_.hwnd(), state_, now);
    state_ = now;
}

void ButtonPeer::clicked() { button_.fireClick(); }

void ButtonPeer::showContent() {
    if (!window_.hwnd()) return;
    // The button lets go of its old font only once it has the new one.
    auto font = createFont(button_.font(), container_.context().screen().twipsPerPixelY);
    SendMessageW(window_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    SetWindowTextW(window_.hwnd(), platform::win32::utf8ToWide(button_.caption()).c_str());
}

std::optional<LRESULT> ButtonPeer::filter(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND form = container_.context().topLevel();
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            if (wParam == VK_SPACE) return std::nullopt;  // the button's own key
            [[fallthrough]];
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            if (!form) return std::nullopt;
            return SendMessageW(form, message, wParam, lParam);
        default:
            return std::nullopt;
    }
}

}  // namespace ui::win32

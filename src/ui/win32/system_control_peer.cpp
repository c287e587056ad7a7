#include "ui/win32/system_control_peer.h"

#include <utility>

#include "platform/win32/text_conv.h"
#include "ui/win32/backend_context.h"
#include "ui/win32/container_window.h"
#include "ui/win32/keyboard_to_form.h"
#include "ui/win32/label_text.h"

namespace ui::win32 {

SystemControlPeer::SystemControlPeer(ContainerWindow& container, const Control& control)
    : container_(container), control_(control), state_(wantedState(control, container)) {}

void SystemControlPeer::makeWindow(const wchar_t* className, DWORD style, Keys keys) {
    keys_ = keys;
    window_.create(className, childWindowArgs(state_, container_.hwnd(), WS_CLIPSIBLINGS | style),
                   [this](UINT message, WPARAM wParam, LPARAM lParam) {
                       return filter(message, wParam, lParam);
                   });
    bringToTop(window_.hwnd());
    showContent();
}

void SystemControlPeer::changed(Change what) {
    if (what != Change::content) {
        place();
    } else if (window_.hwnd()) {
        showContent();
    }
}

void SystemControlPeer::place() {
    const ChildWindowState now = wantedState(control_, container_);
    applyState(window_.hwnd(), state_, now);
    state_ = now;
}

void SystemControlPeer::showCaption(const Font& font, const std::string& caption) {
    // The window lets go of its old font only once it has the new one.
    auto made = createFont(font, container_.context().screen().twipsPerPixelY);
    SendMessageW(window_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
    font_ = std::move(made);
    SetWindowTextW(window_.hwnd(), platform::win32::utf8ToWide(caption).c_str());
}

std::optional<LRESULT> SystemControlPeer::filter(UINT message, WPARAM wParam, LPARAM lParam) const {
    const HWND form = container_.context().topLevel();
    if (keys_ == Keys::spaceBar) {
        if (message == WM_SETFOCUS) return std::nullopt;
        const bool spaceBar =
            (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) &&
            wParam == VK_SPACE;
        if (spaceBar) return std::nullopt;
    } else if (message == WM_SETFOCUS && !form) {
        // A click on the window would take the keyboard from the form.
        return 0;
    }
    return keyboardToForm(form, message, wParam, lParam);
}

}  // namespace ui::win32

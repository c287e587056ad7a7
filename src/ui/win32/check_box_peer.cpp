#include "ui/win32/check_box_peer.h"

#include <utility>

#include "platform/win32/text_conv.h"
#include "ui/win32/backend_context.h"
#include "ui/win32/container_window.h"
#include "ui/win32/keyboard_to_form.h"
#include "ui/win32/label_text.h"

namespace ui::win32 {

CheckBoxPeer::CheckBoxPeer(ContainerWindow& container, CheckBox& box)
    : container_(container), box_(box), state_(wantedState(box, container)) {
    const WindowArgs args =
        childWindowArgs(state_, container.hwnd(), WS_CLIPSIBLINGS | WS_TABSTOP | BS_AUTOCHECKBOX);
    window_.create(L"BUTTON", args, [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return filter(message, wParam, lParam);
    });
    bringToTop(window_.hwnd());
    showContent();
}

void CheckBoxPeer::changed(Change what) {
    if (what == Change::content) {
        showContent();
    } else {
        place();
    }
}

void CheckBoxPeer::place() {
    const ChildWindowState now = wantedState(box_, container_);
    applyState(window_.hwnd(), state_, now);
    state_ = now;
}

void CheckBoxPeer::clicked() {
    const bool ticked = SendMessageW(window_.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    box_.backendClicked(ticked ? CheckBox::ticked : CheckBox::cleared);
}

void CheckBoxPeer::showContent() {
    if (!window_.hwnd()) return;
    // The box lets go of its old font only once it has the new one.
    auto font = createFont(box_.font(), container_.context().screen().twipsPerPixelY);
    SendMessageW(window_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    SetWindowTextW(window_.hwnd(), platform::win32::utf8ToWide(box_.caption()).c_str());
    const WPARAM check = box_.value() == CheckBox::ticked ? BST_CHECKED : BST_UNCHECKED;
    SendMessageW(window_.hwnd(), BM_SETCHECK, check, 0);
}

std::optional<LRESULT> CheckBoxPeer::filter(UINT message, WPARAM wParam, LPARAM lParam) {
    // The box keeps the focus it takes, and the space bar that toggles it.
    if (message == WM_SETFOCUS) return std::nullopt;
    const bool spaceBar =
        (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) && wParam == VK_SPACE;
    if (spaceBar) return std::nullopt;
    return keyboardToForm(container_.context().topLevel(), message, wParam, lParam);
}

}  // namespace ui::win32

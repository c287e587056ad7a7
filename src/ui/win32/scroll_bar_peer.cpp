#include "ui/win32/scroll_bar_peer.h"

#include <algorithm>

#include "ui/win32/backend_context.h"
#include "ui/win32/container_window.h"
#include "ui/win32/keyboard_to_form.h"

namespace ui::win32 {

ScrollBarPeer::ScrollBarPeer(ContainerWindow& container, FlatScrollBar& bar)
    : container_(container), bar_(bar), state_(wantedState(bar, container)) {
    const WindowArgs args = childWindowArgs(
        state_, container.hwnd(),
        WS_CLIPSIBLINGS | (bar.orientation() == Orientation::vertical ? SBS_VERT : SBS_HORZ));
    window_.create(L"SCROLLBAR", args, [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return filter(message, wParam, lParam);
    });
    bringToTop(window_.hwnd());
    showValue();
}

void ScrollBarPeer::changed(Change what) {
    if (what == Change::content) {
        showValue();
    } else {
        place();
    }
}

void ScrollBarPeer::place() {
    const ChildWindowState now = wantedState(bar_, container_);
    applyState(window_.hwnd(), state_, now);
    state_ = now;
}

void ScrollBarPeer::showValue() {
    if (!window_.hwnd()) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = 0;
    info.nMax = bar_.max();
    info.nPage = 0;
    info.nPos = bar_.value();
    // The thumb is drawn in the next paint cycle, not now: drawing a scroll
    // bar takes longer than repainting the picture it moves, which must not
    // wait for it.
    SetScrollInfo(window_.hwnd(), SB_CTL, &info, FALSE);
    InvalidateRect(window_.hwnd(), nullptr, FALSE);
}

void ScrollBarPeer::userScrolled(int code, int thumbPosition) {
    int32_t value = bar_.value();
    switch (code) {
        case SB_LINEUP:
            value -= bar_.smallChange();
            break;
        case SB_LINEDOWN:
            value += bar_.smallChange();
            break;
        case SB_PAGEUP:
            value -= bar_.largeChange();
            break;
        case SB_PAGEDOWN:
            value += bar_.largeChange();
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            value = thumbPosition;
            break;
        case SB_TOP:
            value = 0;
            break;
        case SB_BOTTOM:
            value = bar_.max();
            break;
        default:  // SB_ENDSCROLL
            return;
    }
    bar_.setValue(static_cast<int16_t>(std::clamp<int32_t>(value, 0, bar_.max())));
}

std::optional<LRESULT> ScrollBarPeer::filter(UINT message, WPARAM wParam, LPARAM lParam) {
    // A click on the bar would take the keyboard from the form.
    const HWND form = container_.context().topLevel();
    if (message == WM_SETFOCUS && !form) return 0;
    return keyboardToForm(form, message, wParam, lParam);
}

}  // namespace ui::win32

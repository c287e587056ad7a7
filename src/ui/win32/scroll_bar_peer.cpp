#include "ui/win32/scroll_bar_peer.h"

#include <algorithm>

namespace ui::win32 {

ScrollBarPeer::ScrollBarPeer(ContainerWindow& container, FlatScrollBar& bar)
    : SystemControlPeer(container, bar), bar_(bar) {
    makeWindow(L"SCROLLBAR", bar.orientation() == Orientation::vertical ? SBS_VERT : SBS_HORZ,
               Keys::none);
}

void ScrollBarPeer::showContent() {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = 0;
    info.nMax = bar_.max();
    info.nPage = 0;
    info.nPos = bar_.value();
    // The thumb is drawn in the next paint cycle, not now, and only when it
    // moved or the bar changed state: drawing a scroll bar takes longer than
    // repainting the picture it moves, and a step to the next page leaves
    // the thumb where it was, at the top.
    SCROLLBARINFO before{};
    before.cbSize = sizeof before;
    const bool known = GetScrollBarInfo(window(), OBJID_CLIENT, &before) != FALSE;
    SetScrollInfo(window(), SB_CTL, &info, FALSE);
    SCROLLBARINFO after{};
    after.cbSize = sizeof after;
    const bool same =
        known && GetScrollBarInfo(window(), OBJID_CLIENT, &after) &&
        before.xyThumbTop == after.xyThumbTop && before.xyThumbBottom == after.xyThumbBottom &&
        before.rgstate[0] == after.rgstate[0] && EqualRect(&before.rcScrollBar, &after.rcScrollBar);
    if (!same) InvalidateRect(window(), nullptr, FALSE);
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

}  // namespace ui::win32

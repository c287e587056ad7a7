#include "ui/win32/box_window.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

#include "ui/win32/backend_context.h"
#include "ui/win32/keyboard_to_form.h"
#include "ui/win32/label_text.h"
#include "ui/win32/picture_paint.h"
#include "ui/win32/screen_peer.h"

namespace ui::win32 {

using platform::win32::SavedDc;
using platform::win32::ScopedFont;
using platform::win32::SelectedObject;

namespace {

constexpr WindowClass boxClass{L"TessmireBox"};

}  // namespace

BoxWindow::BoxWindow(ContainerWindow& parent, Container& box)
    : ContainerWindow(parent.context(), box), parent_(parent), state_(wantedState(box, parent)) {
    create(boxClass, childWindowArgs(state_, parent.hwnd(), WS_CLIPCHILDREN | WS_CLIPSIBLINGS));
    bringToTop(hwnd());
    addToolTip();
}

void BoxWindow::addToolTip() {
    if (!container().toolTip().empty())
        context().tooltips().addWindow(hwnd(), container().toolTip());
}

BoxWindow::~BoxWindow() {
    if (hwnd()) context().tooltips().removeWindow(hwnd());
    destroy();
    context().forget(container());
}

PixelRect BoxWindow::extent() const {
    const Placement& placement = state_.placement;
    return {placement.originX, placement.originY, placement.window.width, placement.window.height};
}

void BoxWindow::changed(Change what) {
    switch (what) {
        case Change::content:
            if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
            return;
        case Change::toolTip:
            if (!hwnd()) return;
            context().tooltips().removeWindow(hwnd());
            addToolTip();
            return;
        case Change::pointer:
            refreshPointer();
            return;
        case Change::bounds:
        case Change::visible:
            place();
            return;
    }
}

void BoxWindow::place() {
    if (!hwnd()) return;
    const ChildWindowState now = wantedState(container(), parent_);
    if (now == state_) return;
    const ChildWindowState before = std::exchange(state_, now);

    if (before.shown && now.shown && before.placement.window == now.placement.window) {
        scrollContents(before.placement.originX - now.placement.originX,
                       before.placement.originY - now.placement.originY);
    } else {
        const bool sameContents = before.placement.window.width == now.placement.window.width &&
                                  before.placement.window.height == now.placement.window.height &&
                                  before.placement.originX == now.placement.originX &&
                                  before.placement.originY == now.placement.originY;
        // A plain move keeps the window's pixels; anything else draws afresh.
        applyState(hwnd(), before, now, sameContents ? 0 : SWP_NOCOPYBITS);
        if (now.shown && !sameContents) InvalidateRect(hwnd(), nullptr, FALSE);
    }
    placeChildren();
}

void BoxWindow::scrollContents(int64_t dx, int64_t dy) {
    const PixelRect& shown = state_.placement.window;
    RECT pending{};
    // Scrolling moves pixels; with a repaint still due, or child windows that
    // would have to move with them, or nothing left in view, paint afresh.
    if (std::llabs(dx) >= shown.width || std::llabs(dy) >= shown.height ||
        GetUpdateRect(hwnd(), &pending, FALSE) || hasShownWindows()) {
        InvalidateRect(hwnd(), nullptr, FALSE);
        return;
    }
    ScrollWindowEx(hwnd(), static_cast<int>(dx), static_cast<int>(dy), nullptr, nullptr, nullptr,
                   nullptr, SW_INVALIDATE);
}

bool BoxWindow::hasShownWindows() const {
    for (const Control* child : container().children()) {
        const auto* windowed = dynamic_cast<const WindowedPeer*>(child->peer());
        if (windowed && windowed->window() && IsWindowVisible(windowed->window())) return true;
    }
    return false;
}

LRESULT BoxWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS && !context().topLevel()) return 0;
    if (const auto answer = keyboardToForm(context().topLevel(), message, wParam, lParam)) {
        return *answer;
    }
    return ContainerWindow::handleMessage(message, wParam, lParam);
}

void FrameWindow::paintBackground(HDC dc, const RECT& area) {
    fillRect(dc, area, frame_.backColor());
    if (frame_.bordered()) paintBorder(dc);
}

void FrameWindow::paintBorder(HDC dc) const {
    // A bordered frame lies inside its container, so its window is all of it.
    RECT box{};
    GetClientRect(hwnd(), &box);
    const ScopedFont font = createFont(frame_.font(), context().screen().twipsPerPixelY);
    const SelectedObject selected(dc, font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // The border runs through the middle of the caption's line.
    RECT border = box;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::wstring caption = platform::win32::utf8ToWide(frame_.caption());
    if (caption.empty()) return;
    RECT text{};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    // Set into the top edge, an average character in from the left.
    const LONG indent = metrics.tmAveCharWidth;
    const LONG gap = std::max(LONG{1}, metrics.tmAveCharWidth / 3);
    const RECT cleared{box.left + indent - gap, box.top, box.left + indent + text.right + gap,
                       box.top + metrics.tmHeight};
    fillRect(dc, cleared, frame_.backColor());
    RECT place{box.left + indent, box.top, box.left + indent + text.right,
               box.top + metrics.tmHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &place,
              DT_SINGLELINE | DT_NOPREFIX);
}

void PictureBoxWindow::paintBackground(HDC dc, const RECT& area) {
    const base::Picture& picture = box_.picture();
    if (!picture) {
        fillRect(dc, area, box_.backColor());
        return;
    }
    // The part of the picture inside the area, in client coordinates: of a
    // picture still being decoded, its ready rows; the background below them.
    const PixelRect shown = extent();
    const PixelRect areaRect{area.left, area.top, area.right - area.left, area.bottom - area.top};
    const PixelRect visible =
        intersect({-shown.left, -shown.top, picture->width(), picture->rowsReady()}, areaRect);
    {
        const SavedDc saved(dc);
        if (!visible.empty()) {
            ExcludeClipRect(dc, static_cast<int>(visible.left), static_cast<int>(visible.top),
                            static_cast<int>(visible.right()), static_cast<int>(visible.bottom()));
        }
        fillRect(dc, area, box_.backColor());
    }
    drawPictureBand(dc, *picture, static_cast<int>(visible.left), static_cast<int>(visible.top),
                    visible.left + shown.left, visible.top + shown.top,
                    static_cast<int>(visible.width), static_cast<int>(visible.height));
}

}  // namespace ui::win32

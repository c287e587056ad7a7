#include "ui/win32/child_placement.h"

#include "ui/win32/container_window.h"
#include "ui/win32/work_times.h"

namespace ui::win32 {

ChildWindowState wantedState(const Control& control, const ContainerWindow& container) {
    ChildWindowState state;
    state.placement = placeChild(pixelRect(control, container.scale()), container.extent());
    state.shown = control.visible() && !state.placement.window.empty();
    return state;
}

WindowArgs childWindowArgs(const ChildWindowState& state, HWND parent, DWORD style) {
    WindowArgs args;
    args.style = WS_CHILD | style | (state.shown ? WS_VISIBLE : 0);
    const PixelRect& rect = state.placement.window;
    args.x = static_cast<int>(rect.left);
    args.y = static_cast<int>(rect.top);
    args.width = static_cast<int>(rect.width);
    args.height = static_cast<int>(rect.height);
    args.parent = parent;
    return args;
}

void applyState(HWND window, const ChildWindowState& before, const ChildWindowState& after,
                UINT extraFlags) {
    if (!window || before == after) return;
    const TimedPiece timed("place");
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | extraFlags;
    if (!after.shown) {
        if (before.shown) {
            SetWindowPos(window, nullptr, 0, 0, 0, 0,
                         flags | SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
        }
        return;
    }
    // A hidden window kept its last place; one coming back is always placed.
    if (before.shown && before.placement.window == after.placement.window) {
        flags |= SWP_NOMOVE | SWP_NOSIZE;
    }
    if (!before.shown) flags |= SWP_SHOWWINDOW;
    const PixelRect& rect = after.placement.window;
    SetWindowPos(window, nullptr, static_cast<int>(rect.left), static_cast<int>(rect.top),
                 static_cast<int>(rect.width), static_cast<int>(rect.height), flags);
}

void bringToTop(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace ui::win32

#include "ui/win32/container_window.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

#include "platform/win32/scoped_handles.h"
#include "ui/screen.h"
#include "ui/win32/backend_context.h"
#include "ui/win32/button_peer.h"
#include "ui/win32/check_box_peer.h"
#include "ui/win32/peers.h"
#include "ui/win32/scroll_bar_peer.h"
#include "ui/win32/work_times.h"

namespace ui::win32 {

using platform::win32::PaintDc;
using platform::win32::ScopedBitmap;
using platform::win32::ScopedDc;
using platform::win32::SelectedObject;

namespace {

// Far enough out that nothing drawn there shows, near enough for GDI.
constexpr int64_t coordinateLimit = int64_t{1} << 28;

LONG clampCoordinate(int64_t value) {
    return static_cast<LONG>(std::clamp(value, -coordinateLimit, coordinateLimit));
}

bool overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int heldButtons(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? leftButton : 0) | ((keys & MK_RBUTTON) ? rightButton : 0) |
           ((keys & MK_MBUTTON) ? middleButton : 0);
}

WindowlessPeer* drawnPeer(const Control& control) {
    return dynamic_cast<WindowlessPeer*>(control.peer());
}

}  // namespace

ContainerScale ContainerWindow::scale() const {
    return {container_.scaleMode(), context_.screen()};
}

RECT ContainerWindow::toClient(const PixelRect& rect) const {
    const PixelRect shown = extent();
    return {clampCoordinate(rect.left - shown.left), clampCoordinate(rect.top - shown.top),
            clampCoordinate(rect.right() - shown.left), clampCoordinate(rect.bottom() - shown.top)};
}

void ContainerWindow::invalidate(const PixelRect& rect) {
    if (!hwnd() || rect.empty()) return;
    const RECT area = toClient(rect);
    InvalidateRect(hwnd(), &area, FALSE);
}

void ContainerWindow::placeChildren() {
    for (Control* child : container_.children()) {
        if (auto* windowed = dynamic_cast<WindowedPeer*>(child->peer())) {
            windowed->place();
        } else if (WindowlessPeer* drawn = drawnPeer(*child)) {
            drawn->containerMoved();
        }
    }
}

void ContainerWindow::unhandledException(std::exception_ptr error) noexcept {
    context_.keepError(std::move(error));
}

LRESULT ContainerWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers everything
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_PRINTCLIENT: {
            RECT client{};
            GetClientRect(hwnd(), &client);
            paint(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_LBUTTONDOWN:
            onButtonDown(leftButton, wParam, point);
            return 0;
        case WM_RBUTTONDOWN:
            onButtonDown(rightButton, wParam, point);
            return 0;
        case WM_MBUTTONDOWN:
            onButtonDown(middleButton, wParam, point);
            return 0;
        case WM_LBUTTONUP:
            onButtonUp(leftButton, wParam, point);
            return 0;
        case WM_RBUTTONUP:
            onButtonUp(rightButton, wParam, point);
            return 0;
        case WM_MBUTTONUP:
            onButtonUp(middleButton, wParam, point);
            return 0;
        case WM_MOUSEMOVE:
            onMouseMove(wParam, point);
            return 0;
        case WM_CAPTURECHANGED:
            // Another window took the mouse (a dialog, a drag): the press is over.
            if (reinterpret_cast<HWND>(lParam) != hwnd()) context_.press() = {};
            return 0;
        case WM_SETCURSOR:
            if (onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
            break;
        case WM_HSCROLL:
        case WM_VSCROLL:
            onScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) onButtonClicked(reinterpret_cast<HWND>(lParam));
            return 0;
        default:
            break;
    }
    return defaultHandling(message, wParam, lParam);
}

void ContainerWindow::onPaint() {
    const TimedPiece timed("paint", container_.name());
    const PaintDc screen(hwnd());
    const RECT& area = screen.area();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;

    // Drawn off screen first, so a label over a picture never flickers.
    const ScopedDc buffer(CreateCompatibleDC(screen.get()));
    const ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!buffer || !bitmap) {
        paint(screen.get(), area);
        return;
    }
    const SelectedObject selected(buffer.get(), bitmap.get());
    SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
    paint(buffer.get(), area);
    BitBlt(screen.get(), area.left, area.top, width, height, buffer.get(), area.left, area.top,
           SRCCOPY);
}

void ContainerWindow::paint(HDC dc, const RECT& area) {
    paintBackground(dc, area);
    for (const Control* child : container_.children()) {
        const WindowlessPeer* drawn = drawnPeer(*child);
        if (!drawn || !child->visible()) continue;
        if (!overlaps(toClient(drawn->reach()), area)) continue;
        drawn->paint(dc, toClient(drawn->rect()));
    }
}

Control& ContainerWindow::controlAt(POINT point) const {
    const PixelRect shown = extent();
    const int64_t x = point.x + shown.left;
    const int64_t y = point.y + shown.top;
    const auto& children = container_.children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        const WindowlessPeer* drawn = drawnPeer(**child);
        if (drawn && (*child)->visible() && drawn->takesMouse() && drawn->rect().contains(x, y)) {
            return **child;
        }
    }
    return container_;
}

MouseArgs ContainerWindow::mouseArgs(const Control& target, POINT point, int button,
                                     WPARAM keys) const {
    const PixelRect shown = extent();
    int64_t x = point.x + shown.left;
    int64_t y = point.y + shown.top;
    // A drawn child reports from its own corner, in its container's scale; the
    // container from its own, in its own scale: the same scale either way.
    if (&target != &container_) {
        const PixelRect place = pixelRect(target, scale());
        x -= place.left;
        y -= place.top;
    }
    MouseArgs args;
    args.button = button;
    args.shift = ((keys & MK_SHIFT) ? shiftMask : 0) | ((keys & MK_CONTROL) ? ctrlMask : 0) |
                 (GetKeyState(VK_MENU) < 0 ? altMask : 0);
    args.x = scale().fromPixelsX(x);
    args.y = scale().fromPixelsY(y);
    return args;
}

void ContainerWindow::onButtonDown(int button, WPARAM keys, POINT point) {
    MousePress& press = context_.press();
    if (!press.control) {
        press.control = &controlAt(point);
        SetCapture(hwnd());
    }
    press.buttons |= button;
    Control& target = *press.control;
    target.fireMouseDown(mouseArgs(target, point, button, keys));
}

void ContainerWindow::onButtonUp(int button, WPARAM keys, POINT point) {
    MousePress& press = context_.press();
    Control& target = press.control ? *press.control : controlAt(point);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool releasedOverTarget = PtInRect(&client, point) && &controlAt(point) == &target;
    const MouseArgs args = mouseArgs(target, point, button, keys);

    press.buttons &= ~button;
    if (press.buttons == 0) {
        press = {};
        if (GetCapture() == hwnd()) ReleaseCapture();
    }
    target.fireMouseUp(args);
    if (button == leftButton && releasedOverTarget) target.fireClick();
}

void ContainerWindow::onMouseMove(WPARAM keys, POINT point) {
    const MousePress& press = context_.press();
    Control& target = press.control ? *press.control : controlAt(point);
    target.fireMouseMove(mouseArgs(target, point, heldButtons(keys), keys));
}

bool ContainerWindow::onSetCursor(HWND over, UINT hitTest) {
    // The application-wide pointer first, over every part of every window.
    const Screen& screen = ui::screen();
    switch (screen.mousePointer()) {
        case Pointer::hourglass:
            SetCursor(LoadCursorA(nullptr, IDC_WAIT));
            return true;
        case Pointer::custom:
            SetCursor(screen.mouseIcon() == PointerIcon::hand ? context_.handCursor()
                                                              : LoadCursorA(nullptr, IDC_ARROW));
            return true;
        case Pointer::normal:
            break;
    }
    if (hitTest != HTCLIENT || over != hwnd()) return false;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(hwnd(), &point);
    if (controlAt(point).mouseIcon() != PointerIcon::hand) return false;
    SetCursor(context_.handCursor());
    return true;
}

void ContainerWindow::onButtonClicked(HWND button) {
    if (!button) return;
    for (Control* child : container_.children()) {
        auto* peer = dynamic_cast<ButtonPeer*>(child->peer());
        if (peer && peer->window() == button) {
            peer->clicked();
            return;
        }
        auto* box = dynamic_cast<CheckBoxPeer*>(child->peer());
        if (box && box->window() == button) {
            box->clicked();
            return;
        }
    }
}

void ContainerWindow::onScroll(HWND bar, int code, int thumbPosition) {
    if (!bar) return;
    for (Control* child : container_.children()) {
        auto* peer = dynamic_cast<ScrollBarPeer*>(child->peer());
        if (peer && peer->window() == bar) {
            peer->userScrolled(code, thumbPosition);
            return;
        }
    }
}

}  // namespace ui::win32

#include "ui/win32/peers.h"

#include "ui/win32/backend_context.h"
#include "ui/win32/container_window.h"
#include "ui/win32/screen_peer.h"

namespace ui::win32 {

namespace {
UINT_PTR toolId(const Control& control) { return reinterpret_cast<UINT_PTR>(&control); }
}  // namespace

WindowlessPeer::WindowlessPeer(ContainerWindow& container, Control& control)
    : container_(container), control_(control) {}

void WindowlessPeer::attached() {
    if (control_.visible()) drawn_ = reach();
    addToolArea();
}

void WindowlessPeer::addToolArea() {
    if (control_.toolTip().empty()) return;
    container_.context().tooltips().addArea(
        container_.hwnd(), toolId(control_),
        control_.visible() ? container_.toClient(rect()) : RECT{}, control_.toolTip());
}

WindowlessPeer::~WindowlessPeer() {
    // The container's window may stay (a DPI change makes the peers anew).
    container_.context().tooltips().removeArea(container_.hwnd(), toolId(control_));
    container_.context().forget(control_);
}

PixelRect WindowlessPeer::rect() const { return pixelRect(control_, container_.scale()); }

void WindowlessPeer::changed(Change what) {
    if (what == Change::toolTip) {
        container_.context().tooltips().removeArea(container_.hwnd(), toolId(control_));
        addToolArea();
        return;
    }
    if (what == Change::pointer) {
        refreshPointer();
        return;
    }
    if (what == Change::content) contentChanged();
    container_.invalidate(drawn_);
    drawn_ = control_.visible() ? reach() : PixelRect{};
    container_.invalidate(drawn_);
    updateToolArea();
}

void WindowlessPeer::containerMoved() { updateToolArea(); }

void WindowlessPeer::updateToolArea() {
    if (control_.toolTip().empty()) return;
    container_.context().tooltips().moveArea(
        container_.hwnd(), toolId(control_),
        control_.visible() ? container_.toClient(rect()) : RECT{});
}

}  // namespace ui::win32

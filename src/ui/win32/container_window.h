#pragma once
// The window of a container (the form, a frame, a picture box): it paints its
// background and the controls drawn in it, in z-order, routes the mouse to
// the topmost of them under the pointer (or to itself), shows the pointer each
// asks for (unless the application-wide pointer overrides them all), and
// passes its scroll bars' and buttons' messages to them.
//
// Coordinates: the container's own pixels are its scale converted to pixels,
// from its top-left corner. Its window may show only a part of them (a picture
// box larger than its frame); extent() says which.

#include <windows.h>

#include "ui/control.h"
#include "ui/types.h"
#include "ui/win32/units.h"
#include "ui/win32/window_base.h"

namespace ui::win32 {

class BackendContext;

class ContainerWindow : public WindowBase {
public:
    BackendContext& context() const noexcept { return context_; }
    Container& container() const noexcept { return container_; }
    ContainerScale scale() const;

    // The part of the container's own pixels that the window shows: its
    // origin and its client size.
    virtual PixelRect extent() const = 0;
    // A rectangle of the container's pixels in client coordinates.
    RECT toClient(const PixelRect& rect) const;
    void invalidate(const PixelRect& rect);
    // Places the children's windows again and moves the tooltip areas of the
    // drawn ones: the window moved, was resized or shows another part.
    void placeChildren();

protected:
    ContainerWindow(BackendContext& context, Container& container)
        : context_(context), container_(container) {}

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void unhandledException(std::exception_ptr error) noexcept override;
    // Fills `area` (client coordinates) with what lies beneath the drawn controls.
    virtual void paintBackground(HDC dc, const RECT& area) = 0;

private:
    void onPaint();
    void paint(HDC dc, const RECT& area);
    // The control the mouse meets at a client point: a drawn child or the container.
    Control& controlAt(POINT point) const;
    MouseArgs mouseArgs(const Control& target, POINT point, int button, WPARAM keys) const;
    void onButtonDown(int button, WPARAM keys, POINT point);
    void onButtonUp(int button, WPARAM keys, POINT point);
    void onMouseMove(WPARAM keys, POINT point);
    bool onSetCursor(HWND over, UINT hitTest);
    void onScroll(HWND bar, int code, int thumbPosition);
    void onButtonClicked(HWND button);

    BackendContext& context_;
    Container& container_;
};

}  // namespace ui::win32

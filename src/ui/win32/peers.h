#pragma once
// The two kinds of control peers. A frame, a picture box and a scroll bar have
// a window of their own inside their container's window; a label, an image and
// a line are drawn by their container's window, in the container's z-order,
// and get their mouse events through it. Drawing them there is what lets a
// transparent label show the picture beneath it.

#include <windows.h>

#include "ui/control.h"
#include "ui/win32/units.h"

namespace ui::win32 {

class ContainerWindow;

class WindowedPeer : public ControlPeer {
public:
    // Null once the window is gone.
    virtual HWND window() const noexcept = 0;
    // Puts the window where the control's rectangle now lies, cut to the
    // container's window (after the control or its container moved).
    virtual void place() = 0;
};

class WindowlessPeer : public ControlPeer {
public:
    WindowlessPeer(ContainerWindow& container, Control& control);
    ~WindowlessPeer() override;
    WindowlessPeer(const WindowlessPeer&) = delete;
    WindowlessPeer& operator=(const WindowlessPeer&) = delete;

    // Redraws what the control covered before and covers now.
    void changed(Change what) override;

    // Draws the control; `rect` is its rectangle in the container window's
    // client coordinates, and the DC's origin is that of the client area.
    virtual void paint(HDC dc, const RECT& rect) const = 0;
    // Whether mouse events go to the control (a line gets none).
    virtual bool takesMouse() const noexcept { return true; }
    // The control's rectangle in the container's pixels.
    PixelRect rect() const;
    // What painting the control may touch, in the container's pixels.
    virtual PixelRect reach() const { return rect(); }
    // The container's window now shows another part of the container.
    void containerMoved();

protected:
    // The end of a derived constructor: the peer is complete.
    void attached();
    // Before the redraw of a change of content (a label measures its text).
    virtual void contentChanged() {}
    ContainerWindow& container() const noexcept { return container_; }
    Control& control() const noexcept { return control_; }

private:
    void addToolArea();
    void updateToolArea();

    ContainerWindow& container_;
    Control& control_;
    PixelRect drawn_;  // the reach when last drawn; empty while hidden
};

}  // namespace ui::win32

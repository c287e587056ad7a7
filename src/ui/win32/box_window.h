#pragma once
// The windows of frames and picture boxes: containers inside a container.
// Such a window covers only the part of the box inside its container's window
// and remembers which part that is, so a picture box far larger than its frame
// (a 60,000-pixel page moved to top -59,000) is a frame-sized window showing
// the rows at its offset. Moving the box within the same window only scrolls
// what the window shows, and repaints what that uncovers.

#include <windows.h>

#include "ui/picture_box.h"
#include "ui/win32/child_placement.h"
#include "ui/win32/container_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {

class BoxWindow : public ContainerWindow, public WindowedPeer {
public:
    ~BoxWindow() override;

    void changed(Change what) override;
    HWND window() const noexcept override { return hwnd(); }
    void place() override;
    PixelRect extent() const override;

protected:
    BoxWindow(ContainerWindow& parent, Container& box);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The window shows another part of the box: moves what it shows by
    // (dx, dy) and repaints the rest.
    void scrollContents(int64_t dx, int64_t dy);
    bool hasShownWindows() const;
    void addToolTip();

    ContainerWindow& parent_;
    ChildWindowState state_;
};

// A frame: its background colour beneath its children, and for a bordered
// frame an etched border with the caption set into its top edge.
class FrameWindow final : public BoxWindow {
public:
    FrameWindow(ContainerWindow& parent, Frame& frame) : BoxWindow(parent, frame), frame_(frame) {}

private:
    void paintBackground(HDC dc, const RECT& area) override;
    void paintBorder(HDC dc) const;
    const Frame& frame_;
};

// A picture box: its picture at its top-left corner, unscaled, on its
// background colour.
class PictureBoxWindow final : public BoxWindow {
public:
    PictureBoxWindow(ContainerWindow& parent, PictureBox& box)
        : BoxWindow(parent, box), box_(box) {}

private:
    void paintBackground(HDC dc, const RECT& area) override;
    const PictureBox& box_;
};

}  // namespace ui::win32

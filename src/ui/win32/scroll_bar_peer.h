#pragma once
// A flat scroll bar as a standard SCROLLBAR control. The control reports the
// user's moves to its parent window (WM_HSCROLL, WM_VSCROLL), which hands them
// to userScrolled; that sets the bar's value, which runs its Change event. The
// program's own changes of value and maximum only move the control's thumb.
// The control never keeps the keyboard: keys go to the form.

#include <windows.h>

#include <optional>

#include "ui/scroll_bar.h"
#include "ui/win32/child_placement.h"
#include "ui/win32/peers.h"
#include "ui/win32/system_window.h"

namespace ui::win32 {

class ScrollBarPeer final : public WindowedPeer {
public:
    ScrollBarPeer(ContainerWindow& container, FlatScrollBar& bar);

    void changed(Change what) override;
    HWND window() const noexcept override { return window_.hwnd(); }
    void place() override;

    // A WM_HSCROLL or WM_VSCROLL of the control: its request code and, for the
    // thumb, its position (16 bits hold every value of a 16-bit bar).
    void userScrolled(int code, int thumbPosition);

private:
    std::optional<LRESULT> filter(UINT message, WPARAM wParam, LPARAM lParam);
    void showValue();

    ContainerWindow& container_;
    FlatScrollBar& bar_;
    ChildWindowState state_;
    SystemWindow window_;
};

}  // namespace ui::win32

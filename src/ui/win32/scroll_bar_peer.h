#pragma once
// A flat scroll bar as a standard SCROLLBAR control. The control reports the
// user's moves to its parent window (WM_HSCROLL, WM_VSCROLL), which hands them
// to userScrolled; that sets the bar's value, which runs its Change event. The
// program's own changes of value and maximum only move the control's thumb.
// The control never keeps the keyboard: keys go to the form.

#include "ui/scroll_bar.h"
#include "ui/win32/system_control_peer.h"

namespace ui::win32 {

class ScrollBarPeer final : public SystemControlPeer {
public:
    ScrollBarPeer(ContainerWindow& container, FlatScrollBar& bar);

    // A WM_HSCROLL or WM_VSCROLL of the control: its request code and, for the
    // thumb, its position (16 bits hold every value of a 16-bit bar).
    void userScrolled(int code, int thumbPosition);

private:
    void showContent() override;

    FlatScrollBar& bar_;
};

}  // namespace ui::win32

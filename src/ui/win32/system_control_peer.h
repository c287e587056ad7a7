#pragma once
// The peer of a control shown as a window of a system class (BUTTON,
// SCROLLBAR) inside its container's window. The base makes the window,
// subclassed so that keys go on to the form, keeps it where the control lies,
// and shows the control's content anew when that changes; a derived peer names
// the window's class and style and shows the content. The window goes with the
// peer, before the font it was given.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/scoped_handles.h"
#include "ui/control.h"
#include "ui/win32/child_placement.h"
#include "ui/win32/peers.h"
#include "ui/win32/system_window.h"

namespace ui::win32 {

class SystemControlPeer : public WindowedPeer {
public:
    void changed(Change what) final;
    HWND window() const noexcept final { return window_.hwnd(); }
    void place() final;

protected:
    // What the window does with the keyboard.
    enum class Keys {
        none,      // the focus and every key go on to the form
        spaceBar,  // keeps the focus it takes, and the space bar that pushes it
    };

    SystemControlPeer(ContainerWindow& container, const Control& control);

    // The end of a derived constructor: makes the window of `className`, with
    // `style` added to a child's, on top of its siblings, and shows the
    // content. Throws std::runtime_error when the system refuses.
    void makeWindow(const wchar_t* className, DWORD style, Keys keys);
    // Shows the control's content; called only while the window exists.
    virtual void showContent() = 0;
    // Gives the window the control's font and caption.
    void showCaption(const Font& font, const std::string& caption);

private:
    std::optional<LRESULT> filter(UINT message, WPARAM wParam, LPARAM lParam) const;

    ContainerWindow& container_;
    const Control& control_;
    ChildWindowState state_;
    Keys keys_ = Keys::none;
    platform::win32::ScopedFont font_;
    SystemWindow window_;
};

}  // namespace ui::win32

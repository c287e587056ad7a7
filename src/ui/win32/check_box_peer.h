#pragma once
// A check box as a standard BUTTON control (BS_AUTOCHECKBOX), which ticks and
// clears itself when clicked. Its parent window hands the control's clicks
// (WM_COMMAND, BN_CLICKED) to clicked(), which takes the value the box now
// shows and fires Click. The box keeps the focus it takes, so the space bar
// toggles it; every other key goes on to the form, as from any control.

#include <windows.h>

#include <optional>

#include "platform/win32/scoped_handles.h"
#include "ui/check_box.h"
#include "ui/win32/child_placement.h"
#include "ui/win32/peers.h"
#include "ui/win32/system_window.h"

namespace ui::win32 {

class CheckBoxPeer final : public WindowedPeer {
public:
    CheckBoxPeer(ContainerWindow& container, CheckBox& box);

    void changed(Change what) override;
    HWND window() const noexcept override { return window_.hwnd(); }
    void place() override;

    void clicked();

private:
    std::optional<LRESULT> filter(UINT message, WPARAM wParam, LPARAM lParam);
    void showContent();

    ContainerWindow& container_;
    CheckBox& box_;
    ChildWindowState state_;
    platform::win32::ScopedFont font_;
    SystemWindow window_;
};

}  // namespace ui::win32

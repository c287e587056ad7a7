#pragma once
// A command button as a standard BUTTON control. Its parent window hands the
// control's clicks (WM_COMMAND, BN_CLICKED) to clicked(), which fires Click.
// The button keeps the focus it takes, so the space bar pushes it; every
// other key goes on to the form, as from any control.

#include <windows.h>

#include <optional>

#include "platform/win32/scoped_handles.h"
#include "ui/command_button.h"
#include "ui/win32/child_placement.h"
#include "ui/win32/peers.h"
#include "ui/win32/system_window.h"

namespace ui::win32 {

class ButtonPeer final : public WindowedPeer {
public:
    ButtonPeer(ContainerWindow& container, CommandButton& button);

    void changed(Change what) override;
    HWND window() const noexcept override { return window_.hwnd(); }
    void place() override;

    void clicked();

private:
    std::optional<LRESULT> filter(UINT message, WPARAM wParam, LPARAM lParam);
    void showContent();

    ContainerWindow& container_;
    CommandButton& button_;
    ChildWindowState state_;
    platform::win32::ScopedFont font_;
    SystemWindow window_;
};

}  // namespace ui::win32

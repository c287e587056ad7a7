#pragma once
// A command button as a standard BUTTON control. Its parent window hands the
// control's clicks (WM_COMMAND, BN_CLICKED) to clicked(), which fires Click.
// The button keeps the focus it takes, so the space bar pushes it; every
// other key goes on to the form, as from any control.

#include "ui/command_button.h"
#include "ui/win32/system_control_peer.h"

namespace ui::win32 {

class ButtonPeer final : public SystemControlPeer {
public:
    ButtonPeer(ContainerWindow& container, CommandButton& button);

    void clicked();

private:
    void showContent() override;

    CommandButton& button_;
};

}  // namespace ui::win32

#pragma once
// A check box as a standard BUTTON control (BS_AUTOCHECKBOX), which ticks and
// clears itself when clicked. Its parent window hands the control's clicks
// (WM_COMMAND, BN_CLICKED) to clicked(), which takes the value the box now
// shows and fires Click. The box keeps the focus it takes, so the space bar
// toggles it; every other key goes on to the form, as from any control.

#include "ui/check_box.h"
#include "ui/win32/system_control_peer.h"

namespace ui::win32 {

class CheckBoxPeer final : public SystemControlPeer {
public:
    CheckBoxPeer(ContainerWindow& container, CheckBox& box);

    void clicked();

private:
    void showContent() override;

    CheckBox& box_;
};

}  // namespace ui::win32

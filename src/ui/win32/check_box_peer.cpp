#include "ui/win32/check_box_peer.h"

namespace ui::win32 {

CheckBoxPeer::CheckBoxPeer(ContainerWindow& container, CheckBox& box)
    : SystemControlPeer(container, box), box_(box) {
    makeWindow(L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, Keys::spaceBar);
}

void CheckBoxPeer::clicked() {
    const bool ticked = SendMessageW(window(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    box_.backendClicked(ticked ? CheckBox::ticked : CheckBox::cleared);
}

void CheckBoxPeer::showContent() {
    showCaption(box_.font(), box_.caption());
    const WPARAM check = box_.value() == CheckBox::ticked ? BST_CHECKED : BST_UNCHECKED;
    SendMessageW(window(), BM_SETCHECK, check, 0);
}

}  // namespace ui::win32

#include "ui/win32/button_peer.h"

namespace ui::win32 {

ButtonPeer::ButtonPeer(ContainerWindow& container, CommandButton& button)
    : SystemControlPeer(container, button), button_(button) {
    makeWindow(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, Keys::spaceBar);
}

void ButtonPeer::clicked() { button_.fireClick(); }

void ButtonPeer::showContent() { showCaption(button_.font(), button_.caption()); }

}  // namespace ui::win32

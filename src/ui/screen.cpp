#include "ui/screen.h"

#include "ui/headless.h"

namespace ui {

void Screen::setMousePointer(Pointer pointer) {
    if (pointer == pointer_) return;
    pointer_ = pointer;
    if (peer_) peer_->pointerChanged();
}

void Screen::setMouseIcon(PointerIcon icon) {
    if (icon == icon_) return;
    icon_ = icon;
    if (peer_ && pointer_ == Pointer::custom) peer_->pointerChanged();
}

void Screen::showForm(Form& form) {
    if (peer_) {
        peer_->showForm(form);
    } else {
        showHeadless(form);
    }
}

Screen& screen() {
    static Screen theScreen;
    return theScreen;
}

}  // namespace ui

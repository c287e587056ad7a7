#include "ui/picture_box.h"

namespace ui {

void PictureBox::setPicture(base::Picture picture) {
    picture_ = std::move(picture);
    notify(Change::content);
}

void PictureBox::setBackColor(Color color) {
    if (color == backColor_) return;
    backColor_ = color;
    notify(Change::content);
}

}  // namespace ui

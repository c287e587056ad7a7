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

void Frame::setBackColor(Color color) {
    if (color == backColor_) return;
    backColor_ = color;
    notify(Change::content);
}

void Frame::setBordered(bool bordered) {
    if (bordered == bordered_) return;
    bordered_ = bordered;
    notify(Change::content);
}

void Frame::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Change::content);
}

void Frame::setFont(Font font) {
    font_ = std::move(font);
    notify(Change::content);
}

}  // namespace ui

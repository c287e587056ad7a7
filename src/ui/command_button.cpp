#include "ui/command_button.h"

namespace ui {

void CommandButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Change::content);
}

void CommandButton::setFont(Font font) {
    font_ = std::move(font);
    notify(Change::content);
}

}  // namespace ui

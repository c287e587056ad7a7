#include "ui/label.h"

namespace ui {

void Label::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Change::content);
}

}  // namespace ui

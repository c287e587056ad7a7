#include "ui/image.h"

namespace ui {

void Image::setPicture(base::Picture picture) {
    picture_ = std::move(picture);
    notify(Change::content);
}

}  // namespace ui

#pragma once

#include "base/bitmap.h"
#include "ui/control.h"

namespace ui {

// A windowless picture: drawn at its size when stretched, else at the
// picture's own size.
class Image : public Control {
public:
    using Control::Control;

    const base::Picture& picture() const noexcept { return picture_; }
    void setPicture(base::Picture picture);
    bool stretch() const noexcept { return stretch_; }
    void setStretch(bool stretch) { update(stretch_, stretch); }

private:
    base::Picture picture_;
    bool stretch_ = false;
};

}  // namespace ui

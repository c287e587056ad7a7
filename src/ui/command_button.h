#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

// A push button with a caption. Click fires when it is pressed and released
// over it with the left button, or pushed with the space bar.
class CommandButton : public Control {
public:
    using Control::Control;

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    const Font& font() const noexcept { return font_; }
    void setFont(Font font);

private:
    std::string caption_;
    Font font_;
};

}  // namespace ui

#pragma once

#include <cstdint>
#include <string>

#include "ui/control.h"

namespace ui {

// A check box with a caption, ticked (value 1) or clear (value 0). The user's
// click toggles the value and then fires Click; setting the value in code
// shows it and fires nothing.
class CheckBox : public Control {
public:
    static constexpr int16_t cleared = 0;
    static constexpr int16_t ticked = 1;

    using Control::Control;

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    const Font& font() const noexcept { return font_; }
    void setFont(Font font);

    int16_t value() const noexcept { return value_; }
    // Raises "Invalid property value" (380) for anything but 0 or 1.
    void setValue(int16_t value);

    // What the user's click does (the headless backend has no other way to
    // it): the value toggles, then Click fires.
    void userClick();

    // Backend side: the user clicked and the box now shows `value`. Kept
    // without telling the peer back, then Click fires.
    void backendClicked(int16_t value);

private:
    std::string caption_;
    Font font_;
    int16_t value_ = cleared;
};

}  // namespace ui

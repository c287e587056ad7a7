#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

enum class Alignment { left, center };

// A text label. With autoSize the backend sizes it to its caption.
class Label : public Control {
public:
    using Control::Control;

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);

    const Font& font() const noexcept { return font_; }
    Color foreColor() const noexcept { return foreColor_; }
    Color backColor() const noexcept { return backColor_; }
    bool transparent() const noexcept { return transparent_; }
    bool bordered() const noexcept { return bordered_; }
    bool autoSize() const noexcept { return autoSize_; }
    Alignment alignment() const noexcept { return alignment_; }

    void setFont(Font font) { update(font_, std::move(font)); }
    void setForeColor(Color color) { update(foreColor_, color); }
    void setBackColor(Color color) { update(backColor_, color); }
    void setTransparent(bool transparent) { update(transparent_, transparent); }
    void setBordered(bool bordered) { update(bordered_, bordered); }
    void setAutoSize(bool autoSize) { update(autoSize_, autoSize); }
    void setAlignment(Alignment alignment) { update(alignment_, alignment); }

private:
    std::string caption_;
    Font font_;
    Color foreColor_ = black;
    Color backColor_ = rgb(212, 208, 200);
    bool transparent_ = false;
    bool bordered_ = false;
    bool autoSize_ = false;
    Alignment alignment_ = Alignment::left;
};

}  // namespace ui

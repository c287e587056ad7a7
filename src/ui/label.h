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

    // Design properties, set once when the window is built.
    void setFont(Font font) { font_ = std::move(font); }
    void setForeColor(Color color) { foreColor_ = color; }
    void setBackColor(Color color) { backColor_ = color; }
    void setTransparent(bool transparent) { transparent_ = transparent; }
    void setBordered(bool bordered) { bordered_ = bordered; }
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void setAlignment(Alignment alignment) { alignment_ = alignment; }

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

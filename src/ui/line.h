#pragma once

#include "ui/control.h"

namespace ui {

// A straight line between two points of its container, in the container's scale.
class Line : public Control {
public:
    using Control::Control;

    int32_t x1() const noexcept { return x1_; }
    int32_t y1() const noexcept { return y1_; }
    int32_t x2() const noexcept { return x2_; }
    int32_t y2() const noexcept { return y2_; }
    void setPoints(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void setX2(int32_t x2) { setPoints(x1_, y1_, x2, y2_); }

    Color color() const noexcept { return color_; }
    void setColor(Color color) { update(color_, color); }
    // Width in pixels at 96 DPI; drawn wider on a screen of more DPI.
    int32_t borderWidth() const noexcept { return borderWidth_; }
    void setBorderWidth(int32_t width) { update(borderWidth_, width); }

private:
    int32_t x1_ = 0;
    int32_t y1_ = 0;
    int32_t x2_ = 0;
    int32_t y2_ = 0;
    Color color_ = black;
    int32_t borderWidth_ = 1;
};

}  // namespace ui

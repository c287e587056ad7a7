#pragma once

#include <cstdint>
#include <functional>

#include "ui/control.h"

namespace ui {

enum class Orientation { horizontal, vertical };

// A flat scroll bar with a 16-bit value between 0 and its maximum. Setting the
// value runs the Change event before the setter returns, whoever sets it; the
// backend sets it the same way while the thumb is dragged.
class FlatScrollBar : public Control {
public:
    FlatScrollBar(Container* parent, std::string_view name, Orientation orientation)
        : Control(parent, name), orientation_(orientation) {}

    Orientation orientation() const noexcept { return orientation_; }
    int16_t value() const noexcept { return value_; }
    int16_t max() const noexcept { return max_; }
    int16_t smallChange() const noexcept { return smallChange_; }
    int16_t largeChange() const noexcept { return largeChange_; }

    // Raises "Invalid property value" (380) outside 0..max; no event when unchanged.
    void setValue(int16_t value);
    // Raises 380 below 0. A value beyond the new maximum is brought down to it.
    void setMax(int16_t max);
    void setSmallChange(int16_t step) { smallChange_ = step; }
    void setLargeChange(int16_t step) { largeChange_ = step; }

    std::function<void()> Change;

private:
    Orientation orientation_;
    int16_t value_ = 0;
    int16_t max_ = 100;
    int16_t smallChange_ = 1;
    int16_t largeChange_ = 1;
};

}  // namespace ui

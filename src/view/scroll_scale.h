#pragma once
// Scroll bars count in 16-bit units, but page captures can be taller than
// 32767 pixels beyond the frame. A ScrollScale maps a bar's units to pixels of
// the picture: one unit is one pixel whenever the range fits in 16 bits, so
// every figure of the plain case stays exact; past that the bar's maximum is
// 32767 and each unit covers range / 32767 pixels, so the bar still reaches
// the picture's last row.

#include <cstdint>
#include <limits>

#include "base/rounding.h"

namespace view {

class ScrollScale {
public:
    static constexpr int32_t maxUnits = std::numeric_limits<int16_t>::max();

    ScrollScale() = default;
    // `range` is how many pixels the picture exceeds the frame by (> 0).
    explicit ScrollScale(int32_t range) : range_(range) {}

    int32_t range() const noexcept { return range_; }
    // The bar's maximum for this range.
    int16_t maxValue() const noexcept {
        return static_cast<int16_t>(range_ > maxUnits ? maxUnits : range_);
    }
    bool exact() const noexcept { return range_ <= maxUnits; }

    // Pixels covered by `units` of the bar.
    int32_t pixels(int32_t units) const {
        if (exact()) return units;
        return base::roundTo<int32_t>(static_cast<double>(units) * range_ / maxUnits);
    }
    // Units of the bar that cover `pixels`.
    int32_t units(int32_t pixels) const {
        if (exact()) return pixels;
        return base::roundTo<int32_t>(static_cast<double>(pixels) * maxUnits / range_);
    }

private:
    int32_t range_ = 0;
};

}  // namespace view

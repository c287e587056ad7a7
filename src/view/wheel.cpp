#include "view/wheel.h"

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// The wheel's delta for one notch.
constexpr double notch = 120;

}  // namespace

std::optional<int32_t> WheelScroll::turn(int32_t delta, double step, int32_t value, int32_t maximum,
                                         const ScrollScale& scale) {
    // Positive: down the page.
    const double turned = -delta * step / notch;
    if ((turned < 0) != (pixels_ < 0)) pixels_ = 0;  // the other way: afresh
    pixels_ += turned;

    const bool down = pixels_ > 0;
    if (down ? value == maximum : value == 0) {
        pixels_ = 0;  // against the end: nothing to move, nothing kept
        return std::nullopt;
    }
    const auto pixels = static_cast<int32_t>(std::trunc(std::fabs(pixels_)));
    const int32_t units = scale.units(pixels);
    if (units == 0) return std::nullopt;  // not yet a whole unit of the bar
    pixels_ -= down ? scale.pixels(units) : -scale.pixels(units);

    int32_t target = 0;
    if (down) {
        target = scale.pixels(maximum - value) > pixels ? value + units : maximum;
    } else {
        // Near the top (within twice the move) the picture goes right to it.
        target = scale.pixels(value) - pixels > pixels ? value - units : 0;
    }
    return std::clamp(target, 0, maximum);
}

}  // namespace view

#pragma once
// Scrolling by the mouse wheel, in the vertical bar's units. A notch moves the
// bar's arrow step, 100 pixels: about what a browser moves a web page by.
// Wheels and touchpads that scroll smoothly send many smaller turns; each
// moves its share of a notch, the shares adding up until they make whole
// pixels.

#include <cstdint>
#include <optional>

#include "view/scroll_scale.h"

namespace view {

class WheelScroll {
public:
    // The bar's value after a turn of `delta` (120 a notch, positive away from
    // the user) that moves `step` pixels a notch, from `value` of `maximum`;
    // nothing while the turns have not made a whole unit of the bar yet, or
    // the bar is against the end the turn goes to.
    std::optional<int32_t> turn(int32_t delta, double step, int32_t value, int32_t maximum,
                                const ScrollScale& scale);

private:
    // Movement not yet made into whole pixels (its sign is the direction).
    double pixels_ = 0;
};

}  // namespace view

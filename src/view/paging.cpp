#include "view/paging.h"

#include <algorithm>

namespace view {

int32_t pageDownFrom(int32_t value, int32_t maximum, int32_t frameHeight,
                     const ScrollScale& scale) {
    const int32_t target = scale.pixels(maximum - value) > frameHeight
                               ? value + scale.units(frameHeight - pageOverlap)
                               : maximum;
    return std::clamp(target, 0, maximum);
}

int32_t pageUpFrom(int32_t value, int32_t maximum, int32_t frameHeight, const ScrollScale& scale) {
    const int32_t target =
        scale.pixels(value) > frameHeight ? value - scale.units(frameHeight - pageOverlap) : 0;
    return std::clamp(target, 0, maximum);
}

}  // namespace view

#pragma once
// Paging the picture a screen at a time, in the vertical bar's units: the one
// rule of the keys and of the page-down button (and its Shift form).

#include <cstdint>

#include "view/scroll_scale.h"

namespace view {

// Pixels of a screen that stay in sight after paging by one.
inline constexpr int32_t pageOverlap = 30;

// The bar's value a page down from `value`: a screen less the overlap, or the
// end when no more than a screen is left below. Within 0 and `maximum`.
int32_t pageDownFrom(int32_t value, int32_t maximum, int32_t frameHeight, const ScrollScale& scale);
// A page up: a screen less the overlap, or the top when no more than a screen
// is left above. Within 0 and `maximum`.
int32_t pageUpFrom(int32_t value, int32_t maximum, int32_t frameHeight, const ScrollScale& scale);

}  // namespace view

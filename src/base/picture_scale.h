#pragma once
// A picture made smaller with an area-averaging filter: each new pixel is the
// mean of the old pixels it covers, each weighted by how much of it is
// covered, so detail finer than the new pixels becomes its average tone
// instead of flickering away as dropped rows and columns would.

#include <cstdint>

#include "base/bitmap.h"

namespace base {

// `picture` reduced to width × height, each clamped to between 1 and the
// picture's own. A new picture of its own; raises std::bad_alloc when its
// memory cannot be had. The picture must be finished and at least 1 × 1.
Picture downscaled(const Bitmap& picture, int32_t width, int32_t height);

}  // namespace base

#pragma once

#include "base/bitmap.h"

namespace view {

// The picture reduced to width × height by averaging the source pixels each
// target pixel covers (a box filter over exact pixel areas), so text and thin
// lines of a shrunk page stay smooth instead of breaking up. A target as large
// as the source, or larger, is the source itself, shared.
base::Picture downscale(const base::Picture& source, int32_t width, int32_t height);

}  // namespace view

#include "ui/line.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

void Line::setPoints(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The bounds cover both points, so a backend knows where to draw.
    move(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    notify(Change::content);
}

}  // namespace ui

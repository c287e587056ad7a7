#include "ui/win32/units.h"

#include <algorithm>

#include "base/rounding.h"

namespace ui::win32 {

namespace {

int32_t scaled(int32_t value, ScaleMode mode, double twipsPerPixel) {
    if (mode == ScaleMode::pixels) return value;
    return static_cast<int32_t>(base::roundHalfEven(value / twipsPerPixel));
}

double unscaled(int64_t pixels, ScaleMode mode, double twipsPerPixel) {
    const auto value = static_cast<double>(pixels);
    return mode == ScaleMode::pixels ? value : value * twipsPerPixel;
}

}  // namespace

int32_t ContainerScale::toPixelsX(int32_t value) const {
    return scaled(value, mode_, screen_.twipsPerPixelX);
}
int32_t ContainerScale::toPixelsY(int32_t value) const {
    return scaled(value, mode_, screen_.twipsPerPixelY);
}
double ContainerScale::fromPixelsX(int64_t pixels) const {
    return unscaled(pixels, mode_, screen_.twipsPerPixelX);
}
double ContainerScale::fromPixelsY(int64_t pixels) const {
    return unscaled(pixels, mode_, screen_.twipsPerPixelY);
}

PixelRect intersect(const PixelRect& a, const PixelRect& b) {
    const int64_t left = std::max(a.left, b.left);
    const int64_t top = std::max(a.top, b.top);
    const int64_t right = std::min(a.right(), b.right());
    const int64_t bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top) return {left, top, 0, 0};
    return {left, top, right - left, bottom - top};
}

PixelRect pixelRect(const Control& control, const ContainerScale& scale) {
    return {scale.toPixelsX(control.left()), scale.toPixelsY(control.top()),
            scale.toPixelsX(control.width()), scale.toPixelsY(control.height())};
}

Placement placeChild(const PixelRect& child, const PixelRect& parentExtent) {
    const PixelRect visible = intersect(child, parentExtent);
    if (visible.empty()) return {};
    return {{visible.left - parentExtent.left, visible.top - parentExtent.top, visible.width,
             visible.height},
            visible.left - child.left,
            visible.top - child.top};
}

}  // namespace ui::win32

#pragma once
// Container scales and pixel geometry of the Win32 backend: where a control's
// rectangle lies in pixels, and which part of a child's rectangle gets a window.
// Plain arithmetic, no Windows headers.

#include <cstdint>

#include "ui/control.h"

namespace ui::win32 {

inline constexpr double twipsPerInch = 1440;

// The screen's twips per pixel, across and down (15 at 96 DPI).
struct ScreenScale {
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

// How a container converts between its scale and pixels.
class ContainerScale {
public:
    ContainerScale(ScaleMode mode, ScreenScale screen) : mode_(mode), screen_(screen) {}

    ScaleMode mode() const noexcept { return mode_; }
    // A place or length in the container's scale, in pixels: twips are divided
    // by the twips per pixel and rounded, halves to even.
    int32_t toPixelsX(int32_t value) const;
    int32_t toPixelsY(int32_t value) const;
    // A pixel distance in the container's scale.
    double fromPixelsX(int64_t pixels) const;
    double fromPixelsY(int64_t pixels) const;

private:
    ScaleMode mode_;
    ScreenScale screen_;
};

// A rectangle in pixels. 64-bit so that sums of far-off places cannot overflow.
struct PixelRect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t width = 0;
    int64_t height = 0;

    int64_t right() const noexcept { return left + width; }
    int64_t bottom() const noexcept { return top + height; }
    bool empty() const noexcept { return width <= 0 || height <= 0; }
    bool contains(int64_t x, int64_t y) const noexcept {
        return x >= left && x < right() && y >= top && y < bottom();
    }
    bool operator==(const PixelRect&) const = default;
};

PixelRect intersect(const PixelRect& a, const PixelRect& b);

// The control's rectangle in pixels, relative to its container's origin; each
// of left, top, width and height is converted on its own.
PixelRect pixelRect(const Control& control, const ContainerScale& scale);

// Where a child window goes. A window never reaches past its parent's window,
// so no coordinate leaves the range windows accept, however far the child's
// rectangle lies (a 60,000-pixel picture moved to top -59,000).
struct Placement {
    PixelRect window;     // in the parent window's client coordinates
    int64_t originX = 0;  // where the window's top-left lies in the child's
    int64_t originY = 0;  // own coordinates (0, 0 unless it is cut off)
    bool operator==(const Placement&) const = default;
};

// `child` is relative to the parent's origin; `parentExtent` is the part of the
// parent's own coordinates that its window covers (its origin and client size).
Placement placeChild(const PixelRect& child, const PixelRect& parentExtent);

}  // namespace ui::win32

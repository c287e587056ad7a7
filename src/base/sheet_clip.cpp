#include "base/sheet_clip.h"

#include <algorithm>
#include <cmath>

namespace base {

namespace {

struct Span {
    int32_t sourceStart, sourceLength, destinationStart, destinationLength;
};

// One axis: `pixels` picture pixels drawn from `start` over `length` on a
// sheet of `sheet` units.
std::optional<Span> spanOnSheet(int32_t pixels, double start, double length, double sheet) {
    if (pixels <= 0 || !(length > 0)) return std::nullopt;
    const double visibleStart = std::max(start, 0.0);
    const double visibleEnd = std::min(start + length, sheet);
    if (!(visibleEnd > visibleStart)) return std::nullopt;

    const double unitsPerPixel = length / pixels;
    const auto firstPixel = static_cast<int32_t>(
        std::clamp(std::floor((visibleStart - start) / unitsPerPixel), 0.0, double(pixels)));
    const auto endPixel = static_cast<int32_t>(
        std::clamp(std::ceil((visibleEnd - start) / unitsPerPixel), 0.0, double(pixels)));
    if (endPixel <= firstPixel) return std::nullopt;

    const auto edge = [&](int32_t pixel) {
        return static_cast<int32_t>(std::nearbyint(start + pixel * unitsPerPixel));
    };
    return Span{firstPixel, endPixel - firstPixel, edge(firstPixel),
                edge(endPixel) - edge(firstPixel)};
}

}  // namespace

std::optional<SheetPart> partOnSheet(int32_t pictureWidth, int32_t pictureHeight, double x,
                                     double y, double width, double height, double sheetWidth,
                                     double sheetHeight) {
    const auto across = spanOnSheet(pictureWidth, x, width, sheetWidth);
    const auto down = spanOnSheet(pictureHeight, y, height, sheetHeight);
    if (!across || !down) return std::nullopt;
    return SheetPart{
        {across->sourceStart, down->sourceStart, across->sourceLength, down->sourceLength},
        {across->destinationStart, down->destinationStart, across->destinationLength,
         down->destinationLength}};
}

}  // namespace base

#include "view/viewport.h"

#include "base/rounding.h"

namespace view {

namespace {

// Rows skipped at the top as soon as the picture is scrolled at all.
constexpr int32_t scrolledTopMargin = 5;

// The proportional side: worked out in double precision, kept in single
// precision as the window's properties are, then made whole.
int32_t proportional(int32_t side, int32_t otherSide, int32_t newOtherSide) {
    const auto value = static_cast<float>(static_cast<double>(side) / otherSide * newOtherSide);
    return base::roundTo<int32_t>(value);
}

}  // namespace

Bars barsFor(int32_t pictureWidth, int32_t pictureHeight, int32_t frameWidth, int32_t frameHeight,
             int32_t roomX, int32_t roomY) {
    Bars bars;
    bars.vertical = pictureHeight > frameHeight;
    bars.horizontal = pictureWidth > frameWidth;
    bars.vertical = bars.vertical || (bars.horizontal && pictureHeight > frameHeight - roomY);
    bars.horizontal = bars.horizontal || (bars.vertical && pictureWidth > frameWidth - roomX);
    bars.vertical = bars.vertical || (bars.horizontal && pictureHeight > frameHeight - roomY);
    // The ranges run over what the frame shows beside the bars, so the
    // picture's last rows and columns can always be brought into view.
    bars.shownWidth = frameWidth - (bars.vertical ? roomX : 0);
    bars.shownHeight = frameHeight - (bars.horizontal ? roomY : 0);
    return bars;
}

int32_t centred(int32_t frame, int32_t picture) {
    return base::roundTo<int32_t>((static_cast<double>(frame) - picture) / 2);
}

int32_t pictureTopFor(int16_t value, const ScrollScale& scale) {
    // Offsets are 32-bit: a value near the 16-bit maximum still reaches the
    // picture's last rows.
    return value > 0 ? -(scale.pixels(value) + scrolledTopMargin) : 0;
}

Size Viewport::shrunkSize(int32_t frameWidth, int32_t frameHeight) const {
    Size size = picture_;
    if (frameHeight < size.height) {
        size.height = frameHeight;
        size.width = proportional(picture_.width, picture_.height, size.height);
    }
    if (frameWidth < size.width) {
        size.width = frameWidth;
        size.height = proportional(picture_.height, picture_.width, size.width);
    }
    return size;
}

Bars Viewport::placeBars(Size shown, int32_t frameWidth, int32_t frameHeight, int32_t roomX,
                         int32_t roomY) {
    const Bars bars = barsFor(shown.width, shown.height, frameWidth, frameHeight, roomX, roomY);
    if (bars.horizontal) hScale_ = ScrollScale(shown.width - bars.shownWidth);
    if (bars.vertical) vScale_ = ScrollScale(shown.height - bars.shownHeight);
    verticalBar_ = bars.vertical;
    return bars;
}

}  // namespace view

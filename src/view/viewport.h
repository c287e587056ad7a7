#pragma once
// Where the picture goes in its frame: which scroll bars it needs, what the
// frame shows beside them, the picture's offset for a bar's value, and the
// shrunk size. Pure geometry in pixels, the window's controls apply it.

#include <cstdint>

#include "view/paging.h"
#include "view/scroll_scale.h"

namespace view {

struct Bars {
    bool horizontal = false;
    bool vertical = false;
    // What the frame shows beside the bars it needs.
    int32_t shownWidth = 0;
    int32_t shownHeight = 0;
};

// The bars a picture needs in a frame that gives up `roomX` (`roomY`) for a
// vertical (horizontal) bar. One bar's strip can make the other needed: a
// picture that fits the frame but not the frame less that strip gets a bar
// too, and never has its edges cut off.
Bars barsFor(int32_t pictureWidth, int32_t pictureHeight, int32_t frameWidth, int32_t frameHeight,
             int32_t roomX, int32_t roomY);

// Half the room left around a picture that fits, rounded halves to even.
int32_t centred(int32_t frame, int32_t picture);

// The picture's top for the vertical bar's value: the rows it covers, and a
// few more skipped as soon as the picture is scrolled at all.
int32_t pictureTopFor(int16_t value, const ScrollScale& scale);

struct Size {
    int32_t width = 0;
    int32_t height = 0;
};

// The picture on view as the window places it: its original size, shrunk to
// fit or not, and the scales of the bars it was last given.
class Viewport {
public:
    // A picture is shown at its original size, replacing the one before.
    void pictureShown(int32_t width, int32_t height) {
        loaded_ = true;
        picture_ = {width, height};
        shrunk_ = false;
    }
    // No picture shown yet: the window's start.
    void clear() { *this = Viewport{}; }

    bool loaded() const noexcept { return loaded_; }
    int32_t pictureWidth() const noexcept { return picture_.width; }
    int32_t pictureHeight() const noexcept { return picture_.height; }

    bool shrunk() const noexcept { return shrunk_; }
    void setShrunk(bool shrunk) noexcept { shrunk_ = shrunk; }
    // The picture's size shrunk to fit a frame, proportions kept; its
    // original size where it fits already.
    Size shrunkSize(int32_t frameWidth, int32_t frameHeight) const;

    // The bars a picture shown at `shown` needs in the frame (barsFor), whose
    // scales this keeps.
    Bars placeBars(Size shown, int32_t frameWidth, int32_t frameHeight, int32_t roomX,
                   int32_t roomY);
    bool verticalBar() const noexcept { return verticalBar_; }
    const ScrollScale& horizontalScale() const noexcept { return hScale_; }
    const ScrollScale& verticalScale() const noexcept { return vScale_; }
    // The picture's offsets in its frame for the bars' values.
    int32_t leftFor(int16_t value) const { return -hScale_.pixels(value); }
    int32_t topFor(int16_t value) const { return pictureTopFor(value, vScale_); }
    // The vertical bar's value a page down (up) from `value` in a frame
    // `frameHeight` high (view/paging.h).
    int32_t pageDown(int32_t value, int32_t maximum, int32_t frameHeight) const {
        return pageDownFrom(value, maximum, frameHeight, vScale_);
    }
    int32_t pageUp(int32_t value, int32_t maximum, int32_t frameHeight) const {
        return pageUpFrom(value, maximum, frameHeight, vScale_);
    }

private:
    bool loaded_ = false;
    Size picture_;
    bool shrunk_ = false;
    bool verticalBar_ = false;
    // Pixels per scroll unit of each bar: 1 unless the picture outgrows the
    // 16-bit scroll range.
    ScrollScale hScale_;
    ScrollScale vScale_;
};

}  // namespace view

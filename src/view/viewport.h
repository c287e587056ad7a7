#pragma once
// Where the picture goes in its frame: which scroll bars it needs, what the
// frame shows beside them, and the picture's offset for a bar's value. Pure
// geometry in pixels, the window's controls apply it.

#include <cstdint>

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

}  // namespace view

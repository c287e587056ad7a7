#pragma once
// The window's own pictures, kept as resources of the program.

#include "base/bitmap.h"
#include "resource_ids.h"

namespace platform {

// Pictures of the main window, with their design sizes in pixels at 96 DPI;
// each is the resource of that id.
enum class PictureId {
    titleBand = TS_PICTURE_TITLE_BAND,  // 6 × 29, stretched behind the page title
    goNormal = TS_PICTURE_GO_NORMAL,    // 51 × 23, the go button
    goHover = TS_PICTURE_GO_HOVER,      // 51 × 23
    goPressed = TS_PICTURE_GO_PRESSED,  // 51 × 23
    previous = TS_PICTURE_PREVIOUS,     // 22 × 22
    next = TS_PICTURE_NEXT,             // 22 × 22
    pageDown = TS_PICTURE_PAGE_DOWN,    // 24 × 24
    toEnd = TS_PICTURE_TO_END,          // 24 × 24
    shrink = TS_PICTURE_SHRINK,         // 24 × 24
    startup = TS_PICTURE_STARTUP,       // the picture shown before any page image is opened
};

class PictureResources {
public:
    virtual ~PictureResources() = default;
    // The picture drawn for a window of `dpi` (one of 192 DPI or more gets the
    // picture drawn at twice the size where there is one); null when the
    // resource is missing.
    virtual base::Picture picture(PictureId id, int dpi) = 0;
};

}  // namespace platform

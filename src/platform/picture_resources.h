#pragma once
// The window's own pictures, kept as resources of the program.

#include "base/bitmap.h"

namespace platform {

// Pictures of the main window, with their design sizes in pixels at 96 DPI.
enum class PictureId {
    titleBand = 101,  // 6 × 29, stretched behind the page title
    goNormal = 102,   // 51 × 23, the go button
    goHover = 103,    // 51 × 23
    goPressed = 104,  // 51 × 23
    previous = 105,   // 22 × 22
    next = 106,       // 22 × 22
    pageDown = 107,   // 24 × 24
    toEnd = 108,      // 24 × 24
    shrink = 109,     // 24 × 24
    startup = 110,    // the picture shown before any page image is opened
};

class PictureResources {
public:
    virtual ~PictureResources() = default;
    // The picture drawn for the screen's scale (a 200% screen gets the picture
    // drawn at twice the size); null when the resource is missing.
    virtual base::Picture picture(PictureId id) = 0;
};

}  // namespace platform

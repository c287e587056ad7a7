#pragma once
// The window's design pictures as plain solid bitmaps of their design sizes.

#include <algorithm>
#include <memory>

#include "platform/picture_resources.h"

namespace testsupport {

// A picture of one colour.
inline base::Picture solidPicture(int32_t width, int32_t height, uint32_t color = 0x00FFFFFF) {
    auto bitmap = std::make_shared<base::Bitmap>(width, height);
    for (int32_t y = 0; y < height; ++y) std::fill_n(bitmap->row(y), width, color);
    return bitmap;
}

// Each picture at its design size, twice that for a window of 192 DPI or more.
class FakePictures : public platform::PictureResources {
public:
    base::Picture picture(platform::PictureId id, int dpi) override {
        const int32_t scale = dpi >= 192 ? 2 : 1;
        switch (id) {
            case platform::PictureId::titleBand:
                return solidPicture(6 * scale, 29 * scale);
            case platform::PictureId::goNormal:
            case platform::PictureId::goHover:
            case platform::PictureId::goPressed:
                return solidPicture(51 * scale, 23 * scale);
            case platform::PictureId::previous:
            case platform::PictureId::next:
                return solidPicture(22 * scale, 22 * scale);
            case platform::PictureId::startup:
                return solidPicture(277 * scale, 277 * scale);
            default:
                return solidPicture(24 * scale, 24 * scale);
        }
    }
};

}  // namespace testsupport

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

class FakePictures : public platform::PictureResources {
public:
    base::Picture picture(platform::PictureId id) override {
        switch (id) {
            case platform::PictureId::titleBand:
                return solidPicture(6, 29);
            case platform::PictureId::goNormal:
            case platform::PictureId::goHover:
            case platform::PictureId::goPressed:
                return solidPicture(51, 23);
            case platform::PictureId::previous:
            case platform::PictureId::next:
                return solidPicture(22, 22);
            case platform::PictureId::startup:
                return solidPicture(277, 277);
            default:
                return solidPicture(24, 24);
        }
    }
};

}  // namespace testsupport

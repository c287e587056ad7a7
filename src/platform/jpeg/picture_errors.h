#pragma once
// The errors a picture decode raises beyond the file's own (picture_file.h).

#include <cstdint>

#include "base/app_error.h"
#include "platform/picture_codec.h"

namespace platform::jpeg {

// The bytes a bitmap of `size` takes, without overflow for any two int32 sides.
uint64_t bitmapBytes(PictureSize size) noexcept;

// 481 "Invalid picture": not a JPEG, or one that is damaged or cut short.
[[noreturn]] void raiseInvalidPicture();

// 7, naming the picture's size and the memory it would need, e.g.
// "The picture is too large to open: 1920 × 65000 pixels need 476 MB of memory."
[[noreturn]] void raiseTooLarge(PictureSize size);

}  // namespace platform::jpeg

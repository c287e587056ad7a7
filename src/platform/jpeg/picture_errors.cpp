#include "platform/jpeg/picture_errors.h"

#include <string>

#include "base/rounding.h"

namespace platform::jpeg {

uint64_t bitmapBytes(PictureSize size) noexcept {
    const auto side = [](int32_t pixels) { return static_cast<uint64_t>(pixels > 0 ? pixels : 0); };
    return side(size.width) * side(size.height) * sizeof(uint32_t);
}

void raiseInvalidPicture() { throw base::AppError(base::error_number::invalidPicture, "Invalid picture"); }

void raiseTooLarge(PictureSize size) {
    constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;
    const double megabytes =
        base::roundHalfEven(static_cast<double>(bitmapBytes(size)) / kBytesPerMegabyte);
    throw base::AppError(base::error_number::outOfMemory,
                         "The picture is too large to open: " + std::to_string(size.width) +
                             " \u00D7 " + std::to_string(size.height) + " pixels need " +
                             std::to_string(static_cast<uint64_t>(megabytes)) + " MB of memory.");
}

}  // namespace platform::jpeg

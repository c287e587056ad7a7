#pragma once
// A decoded picture: 32-bit pixels in top-down rows, shared read-only by
// whoever shows or prints it once it is made.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "base/pixel_store.h"

namespace base {

class Bitmap {
public:
    // Takes room for width × height pixels (see pixel_store.h), left
    // uninitialised for the maker to fill. Throws std::bad_alloc when the memory cannot be had;
    // callers check sizes against their limits first.
    Bitmap(int32_t width, int32_t height)
        : width_(width), height_(height), pixels_(acquirePixels(pixelCount(width, height))) {}

    int32_t width() const noexcept { return width_; }
    int32_t height() const noexcept { return height_; }
    // Pixels are 0x00RRGGBB: blue in the lowest byte, as a Windows DIB stores them.
    uint32_t* row(int32_t y) noexcept { return pixels_.get() + offset(y); }
    const uint32_t* row(int32_t y) const noexcept { return pixels_.get() + offset(y); }
    const uint32_t* data() const noexcept { return pixels_.get(); }
    size_t byteSize() const noexcept { return pixelCount(width_, height_) * sizeof(uint32_t); }

    static size_t pixelCount(int32_t width, int32_t height) noexcept {
        return static_cast<size_t>(width > 0 ? width : 0) *
               static_cast<size_t>(height > 0 ? height : 0);
    }

private:
    size_t offset(int32_t y) const noexcept {
        return static_cast<size_t>(y) * static_cast<size_t>(width_);
    }

    int32_t width_;
    int32_t height_;
    PixelBuffer pixels_;
};

// A finished picture, shared by the controls that show it.
using Picture = std::shared_ptr<const Bitmap>;

}  // namespace base

#pragma once
// A decoded picture: 32-bit pixels, top-down rows, shared by whoever shows or
// prints it. Immutable once made, so sharing needs no locking.

#include <cstdint>
#include <memory>
#include <vector>

namespace base {

class Bitmap {
public:
    // Pixels are 0x00RRGGBB (blue in the lowest byte, as a Windows DIB stores them).
    Bitmap(int32_t width, int32_t height, std::vector<uint32_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    int32_t width() const noexcept { return width_; }
    int32_t height() const noexcept { return height_; }
    const uint32_t* row(int32_t y) const noexcept {
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    }
    const std::vector<uint32_t>& pixels() const noexcept { return pixels_; }

private:
    int32_t width_;
    int32_t height_;
    std::vector<uint32_t> pixels_;
};

using Picture = std::shared_ptr<const Bitmap>;

}  // namespace base

#pragma once
// A decoded picture: 32-bit pixels in top-down rows, shared read-only by
// whoever shows or prints it once it is made.
//
// A picture may be shown while its maker is still filling it from the top
// (a tall page decoded on a thread of its own): rowsReady() rows are finished
// and will not change; the rows below them belong to the maker until it says
// they are ready. The count is the hand-over between the two threads: the
// maker raises it after writing the rows (release), readers read it before
// the rows (acquire) and read no row below it.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "base/pixel_store.h"

namespace base {

class Bitmap {
public:
    // Takes room for width × height pixels, left uninitialised for the maker
    // to fill, from `store` when one is given (see pixel_store.h). Every row
    // counts as ready: a maker that shares the bitmap before it is filled
    // sets the count first. Throws std::bad_alloc when the memory cannot be
    // had; callers check sizes against their limits first.
    Bitmap(int32_t width, int32_t height)
        : width_(width), height_(height), pixels_(pixelCount(width, height)) {}
    Bitmap(int32_t width, int32_t height, PixelStore& store)
        : width_(width), height_(height), pixels_(store.acquire(pixelCount(width, height))) {}
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int32_t width() const noexcept { return width_; }
    int32_t height() const noexcept { return height_; }
    // Pixels are 0x00RRGGBB: blue in the lowest byte, as a Windows DIB stores them.
    uint32_t* row(int32_t y) noexcept { return pixels_.get() + offset(y); }
    const uint32_t* row(int32_t y) const noexcept { return pixels_.get() + offset(y); }
    const uint32_t* data() const noexcept { return pixels_.get(); }
    size_t byteSize() const noexcept { return pixelCount(width_, height_) * sizeof(uint32_t); }

    // The rows from the top that are finished.
    int32_t rowsReady() const noexcept { return rowsReady_.load(std::memory_order_acquire); }
    bool complete() const noexcept { return rowsReady() >= height_; }
    // The maker's side: rows [0, rows) are written and will not change again.
    void setRowsReady(int32_t rows) noexcept { rowsReady_.store(rows, std::memory_order_release); }

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
    std::atomic<int32_t> rowsReady_{height_};
};

// A picture, shared by the controls that show it.
using Picture = std::shared_ptr<const Bitmap>;

}  // namespace base

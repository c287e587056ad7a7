#include "base/pixel_store.h"

#include <mutex>
#include <new>
#include <utility>

namespace base {
namespace {

using Pixels = std::unique_ptr<uint32_t[]>;

Pixels allocate(size_t pixels) { return std::make_unique_for_overwrite<uint32_t[]>(pixels); }

class PixelStore {
public:
    PixelBuffer acquire(size_t pixels) {
        if (pixels < spareMinimumPixels) return {allocate(pixels), pixels};
        bool grow = false;
        {
            const std::lock_guard lock(mutex_);
            if (spare_ && spareCapacity_ >= pixels && spareCapacity_ / 4 <= pixels) {
                return {std::move(spare_), std::exchange(spareCapacity_, 0)};
            }
            grow = spare_ && spareCapacity_ < pixels;
            // Freed before the new memory is taken, so the two never add up.
            spare_.reset();
            spareCapacity_ = 0;
        }
        if (grow && pixels <= spareMaximumPixels) {
            const size_t roomy = pixels + pixels / 4;
            try {
                return {allocate(roomy), roomy};
            } catch (const std::bad_alloc&) {
                // The exact size may still be had.
            }
        }
        return {allocate(pixels), pixels};
    }

    void giveBack(Pixels pixels, size_t capacity) noexcept {
        if (capacity < spareMinimumPixels || capacity > spareMaximumPixels) return;
        const std::lock_guard lock(mutex_);
        // The larger of the two is the likelier to fit the next picture.
        if (spare_ && spareCapacity_ >= capacity) return;
        spare_ = std::move(pixels);
        spareCapacity_ = capacity;
    }

    size_t spareCapacity() noexcept {
        const std::lock_guard lock(mutex_);
        return spareCapacity_;
    }

    void releaseSpare() noexcept {
        const std::lock_guard lock(mutex_);
        spare_.reset();
        spareCapacity_ = 0;
    }

private:
    std::mutex mutex_;
    Pixels spare_;
    size_t spareCapacity_ = 0;
};

// Never destroyed: a picture let go while the program ends still finds it.
PixelStore& store() {
    static PixelStore* const instance = new PixelStore;
    return *instance;
}

}  // namespace

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
    if (this != &other) {
        PixelBuffer old(std::move(*this));
        pixels_ = std::move(other.pixels_);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

PixelBuffer::~PixelBuffer() {
    if (pixels_) store().giveBack(std::move(pixels_), capacity_);
}

PixelBuffer acquirePixels(size_t pixels) { return store().acquire(pixels); }

size_t sparePixels() noexcept { return store().spareCapacity(); }

void releaseSparePixels() noexcept { store().releaseSpare(); }

}  // namespace base

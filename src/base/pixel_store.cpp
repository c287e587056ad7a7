#include "base/pixel_store.h"

#include "base/background_prefault.h"

#include <algorithm>
#include <new>
#include <utility>

namespace base {
namespace {

std::unique_ptr<uint32_t[]> allocate(size_t pixels) {
    return std::make_unique_for_overwrite<uint32_t[]>(pixels);
}

}  // namespace

PixelBuffer::PixelBuffer(size_t pixels) : pixels_(allocate(pixels)), capacity_(pixels) {}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
    if (this != &other) {
        PixelBuffer old(std::move(*this));
        pixels_ = std::move(other.pixels_);
        capacity_ = std::exchange(other.capacity_, 0);
        store_ = std::move(other.store_);
    }
    return *this;
}

PixelBuffer::~PixelBuffer() {
    if (!pixels_) return;
    if (const std::shared_ptr<PixelStore> store = store_.lock()) {
        store->giveBack(std::move(pixels_), capacity_);
    }
}

PixelBuffer PixelStore::fresh(size_t pixels) {
    return {allocate(pixels), pixels, weak_from_this()};
}

PixelBuffer PixelStore::acquire(size_t pixels) {
    if (pixels < spareMinimumPixels) return fresh(pixels);
    bool grow = false;
    {
        const std::lock_guard lock(mutex_);
        if (spare_ && fits(spareCapacity_, pixels)) {
            return {std::move(spare_), std::exchange(spareCapacity_, 0), weak_from_this()};
        }
        grow = spare_ && spareCapacity_ < pixels;
        // Freed before the new memory is taken, so the two never add up.
        spare_.reset();
        spareCapacity_ = 0;
    }
    if (grow && pixels <= spareMaximumPixels) {
        try {
            return fresh(pixels + pixels / 4);
        } catch (const std::bad_alloc&) {
            // The exact size may still be had.
        }
    }
    return fresh(pixels);
}

void PixelStore::giveBack(std::unique_ptr<uint32_t[]> pixels, size_t capacity) noexcept {
    if (capacity < spareMinimumPixels || capacity > spareMaximumPixels) return;
    const std::lock_guard lock(mutex_);
    // The larger of the two is the likelier to fit the next picture.
    if (spare_ && spareCapacity_ >= capacity) return;
    spare_ = std::move(pixels);
    spareCapacity_ = capacity;
}

void PixelStore::prepare(size_t pixels, size_t writtenPixels) noexcept {
    if (pixels < spareMinimumPixels || pixels > spareMaximumPixels) return;
    std::unique_ptr<uint32_t[]> unfit;
    {
        const std::lock_guard lock(mutex_);
        if (spare_ && fits(spareCapacity_, pixels)) return;
        unfit = std::move(spare_);
        spareCapacity_ = 0;
    }
    unfit.reset();  // before the new memory is taken, so the two never add up
    const size_t capacity = pixels + pixels / 4;
    std::unique_ptr<uint32_t[]> ready;
    try {
        ready = allocate(capacity);
    } catch (const std::bad_alloc&) {
        return;  // the step will try for itself
    }
    touchPages(ready.get(), std::min(writtenPixels, capacity) * sizeof(uint32_t));
    giveBack(std::move(ready), capacity);
}

size_t PixelStore::sparePixels() noexcept {
    const std::lock_guard lock(mutex_);
    return spareCapacity_;
}

void PixelStore::releaseSpare() noexcept {
    const std::lock_guard lock(mutex_);
    spare_.reset();
    spareCapacity_ = 0;
}

}  // namespace base

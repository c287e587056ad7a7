#pragma once
// Pixel memory for pictures, kept for the next picture instead of given back.
//
// A tall page image is tens of megabytes, and fresh memory costs a page fault
// for every 4 KB the decoder writes: on a virtual machine that is most of the
// decoding time. So the memory of the last large picture let go is kept as a
// spare and handed to the next picture that fits in it: stepping through a
// folder writes each picture into memory that is already there.
//
// A store holds at most one spare, only of large pictures and not of huge
// ones (spareMaximumPixels), and gives it only to a picture at least a quarter
// its size, so that not much memory sits idle behind a small picture. A spare
// too small for the next picture is freed first, and the new memory gets a
// quarter more room: stepping through a folder of pages whose heights vary
// twofold, only the first steps take fresh memory.
//
// The store belongs to whoever makes the pictures (the picture codec). A
// picture let go after its store is gone frees its memory as usual.
// Thread-safe.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

namespace base {

// Pictures smaller than this are allocated and freed as usual.
inline constexpr size_t spareMinimumPixels = size_t{1} << 20;  // 4 MB
// Memory for larger pictures is never kept.
inline constexpr size_t spareMaximumPixels = size_t{64} << 20;  // 256 MB

class PixelStore;

// Owns the pixels of one picture; gives them back to its store when it goes.
class PixelBuffer {
public:
    PixelBuffer() noexcept = default;
    // Room for `pixels` pixels of fresh memory, uninitialised, kept by no
    // store. Throws std::bad_alloc when the memory cannot be had.
    explicit PixelBuffer(size_t pixels);
    PixelBuffer(PixelBuffer&&) noexcept = default;
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;
    ~PixelBuffer();

    uint32_t* get() const noexcept { return pixels_.get(); }
    size_t capacity() const noexcept { return capacity_; }

private:
    friend class PixelStore;
    PixelBuffer(std::unique_ptr<uint32_t[]> pixels, size_t capacity,
                std::weak_ptr<PixelStore> store) noexcept
        : pixels_(std::move(pixels)), capacity_(capacity), store_(std::move(store)) {}

    std::unique_ptr<uint32_t[]> pixels_;
    size_t capacity_ = 0;
    std::weak_ptr<PixelStore> store_;
};

// Made with std::make_shared: the buffers it hands out find it by a weak
// reference.
class PixelStore : public std::enable_shared_from_this<PixelStore> {
public:
    // Room for at least `pixels` pixels, uninitialised. Throws std::bad_alloc
    // when the memory cannot be had.
    PixelBuffer acquire(size_t pixels);
    // Makes the spare one that acquire(pixels) would hand out, with its first
    // `writtenPixels` pixels' memory already there: the cost of a new
    // picture's fresh memory (freeing a spare too small, faulting in the
    // pages its first screen is written to) paid ahead, on the caller's
    // thread. Nothing for pictures the store keeps no spare for, or when the
    // memory cannot be had.
    void prepare(size_t pixels, size_t writtenPixels) noexcept;
    // The spare's size in pixels, 0 when there is none.
    size_t sparePixels() noexcept;
    // Frees the spare.
    void releaseSpare() noexcept;

private:
    friend class PixelBuffer;
    void giveBack(std::unique_ptr<uint32_t[]> pixels, size_t capacity) noexcept;
    PixelBuffer fresh(size_t pixels);
    static bool fits(size_t capacity, size_t pixels) noexcept {
        return capacity >= pixels && capacity / 4 <= pixels;
    }

    std::mutex mutex_;
    std::unique_ptr<uint32_t[]> spare_;
    size_t spareCapacity_ = 0;
};

}  // namespace base

#pragma once
// Pixel memory for pictures, kept for the next picture instead of given back.
//
// A tall page image is tens of megabytes, and fresh memory costs a page fault
// for every 4 KB the decoder writes: on a virtual machine that is most of the
// decoding time. So the memory of the last large picture let go is kept as a
// spare and handed to the next picture that fits in it: stepping through a
// folder writes each picture into memory that is already there.
//
// The store holds at most one spare, only of large pictures and not of huge
// ones (spareMaximumPixels), and gives it only to a picture at least a quarter
// its size, so that not much memory sits idle behind a small picture. A spare
// too small for the next picture is freed first, and the new memory gets a
// quarter more room: stepping through a folder of pages whose heights vary
// twofold, only the first steps take fresh memory.
// Thread-safe.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace base {

// Pictures smaller than this are allocated and freed as usual.
inline constexpr size_t spareMinimumPixels = size_t{1} << 20;  // 4 MB
// Memory for larger pictures is never kept.
inline constexpr size_t spareMaximumPixels = size_t{64} << 20;  // 256 MB

// Owns the pixels of one picture; gives them back to the store when it goes.
class PixelBuffer {
public:
    PixelBuffer() noexcept = default;
    PixelBuffer(std::unique_ptr<uint32_t[]> pixels, size_t capacity) noexcept
        : pixels_(std::move(pixels)), capacity_(capacity) {}
    PixelBuffer(PixelBuffer&&) noexcept = default;
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;
    ~PixelBuffer();

    uint32_t* get() const noexcept { return pixels_.get(); }
    size_t capacity() const noexcept { return capacity_; }

private:
    std::unique_ptr<uint32_t[]> pixels_;
    size_t capacity_ = 0;
};

// Room for at least `pixels` pixels, uninitialised. Throws std::bad_alloc when
// the memory cannot be had.
PixelBuffer acquirePixels(size_t pixels);

// The spare's size in pixels, 0 when there is none.
size_t sparePixels() noexcept;
// Frees the spare.
void releaseSparePixels() noexcept;

}  // namespace base

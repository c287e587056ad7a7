#pragma once
// ByteSource: random access to the bytes of one input, a file or a buffer.
//
// The JPEG walk asks for short views (a marker, a length, a block to scan for
// the next marker, one segment body), so a file source serves them from one
// buffer and the walk makes one virtual call per step, never one per byte.

#include <cstddef>
#include <cstdint>
#include <span>

namespace iptc {

class ByteSource {
public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    virtual ~ByteSource() = default;

    // Up to `count` bytes from `offset`: fewer only at the end of the input or
    // after a read error. The view stays valid until the next call on the source.
    virtual std::span<const uint8_t> view(uint64_t offset, size_t count) = 0;
    // True once reading failed; a failed source gives no more bytes.
    virtual bool failed() const noexcept = 0;
};

// A ByteSource over bytes held by the caller, which must outlive it.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) noexcept : bytes_(bytes) {}

    std::span<const uint8_t> view(uint64_t offset, size_t count) noexcept override {
        if (offset >= bytes_.size()) return {};
        const auto start = static_cast<size_t>(offset);
        return bytes_.subspan(start, count < bytes_.size() - start ? count : bytes_.size() - start);
    }
    bool failed() const noexcept override { return false; }

private:
    std::span<const uint8_t> bytes_;
};

}  // namespace iptc

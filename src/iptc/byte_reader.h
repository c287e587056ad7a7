#pragma once
// ByteReader: a bounds-checked, big-endian cursor over bytes it does not own.
//
// The first read that would pass the end fails the reader for good: that read
// and every later one return zero or an empty span and move nothing, so a parse
// can do a group of reads and check ok() once. Sizes are taken as 64-bit, so a
// length read from a file never wraps when compared with what is left.

#include <cstddef>
#include <cstdint>
#include <span>

namespace iptc {

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) noexcept : bytes_(bytes) {}

    bool ok() const noexcept { return ok_; }
    size_t pos() const noexcept { return pos_; }
    uint64_t remaining() const noexcept { return ok_ ? bytes_.size() - pos_ : 0; }
    bool atEnd() const noexcept { return remaining() == 0; }

    uint8_t u8() noexcept {
        const auto b = take(1);
        return b.empty() ? 0 : b[0];
    }

    uint16_t u16be() noexcept {
        const auto b = take(2);
        return b.empty() ? 0 : static_cast<uint16_t>(b[0] << 8 | b[1]);
    }

    uint32_t u32be() noexcept {
        const auto b = take(4);
        if (b.empty()) return 0;
        return static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 |
               static_cast<uint32_t>(b[2]) << 8 | b[3];
    }

    // Exactly `count` bytes; fails when fewer are left.
    std::span<const uint8_t> bytes(uint64_t count) noexcept { return take(count); }

    void skip(uint64_t count) noexcept { take(count); }

    // Up to `count` bytes: fewer only at the end, and never a failure.
    std::span<const uint8_t> upTo(uint64_t count) noexcept {
        return take(count < remaining() ? count : remaining());
    }

private:
    std::span<const uint8_t> take(uint64_t count) noexcept {
        if (!ok_ || count > remaining()) {
            ok_ = false;
            return {};
        }
        const auto n = static_cast<size_t>(count);
        const auto out = bytes_.subspan(pos_, n);
        pos_ += n;
        return out;
    }

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace iptc

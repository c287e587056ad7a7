#include "iptc/text_encoding.h"

#include <array>

namespace iptc {
namespace {

// Code points of 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kCodePoints80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

void appendUtf8(std::string& out, char16_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

std::string cp1252ToUtf8(std::span<const uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const uint8_t b : bytes) {
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kCodePoints80To9F[b - 0x80] : char16_t{b});
    }
    return out;
}

}  // namespace iptc

#include "base/text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/app_error.h"

namespace base {
namespace {

unsigned char byteAt(std::string_view text, size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// The length of the bidirectional control that starts `text`, or 0. Their UTF-8
// forms: U+061C is D8 9C; U+200E, U+200F and U+202A to U+202E are E2 80 8E,
// 8F, AA to AE; U+2066 to U+2069 are E2 81 A6 to A9.
size_t bidiControlLength(std::string_view text) {
    if (text.size() >= 2 && byteAt(text, 0) == 0xD8 && byteAt(text, 1) == 0x9C) return 2;
    if (text.size() < 3 || byteAt(text, 0) != 0xE2) return 0;
    const unsigned char second = byteAt(text, 1);
    const unsigned char third = byteAt(text, 2);
    const bool mark = second == 0x80 && (third == 0x8E || third == 0x8F);
    const bool embeddingOrOverride = second == 0x80 && third >= 0xAA && third <= 0xAE;
    const bool isolate = second == 0x81 && third >= 0xA6 && third <= 0xA9;
    return mark || embeddingOrOverride || isolate ? 3 : 0;
}

// The length of the well-formed UTF-8 sequence that starts `text`, or 0: no
// overlong forms, surrogates or code points beyond U+10FFFF.
size_t sequenceLength(std::string_view text) {
    const unsigned char lead = byteAt(text, 0);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byteAt(text, 1) < low || byteAt(text, 1) > high) return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byteAt(text, i) < 0x80 || byteAt(text, i) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

void appendPercentEncoded(std::string& text, unsigned char byte) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    text += '%';
    text += hex[byte >> 4];
    text += hex[byte & 0x0F];
}

std::string withBidiControlsEncoded(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t control = bidiControlLength(text.substr(i));
        if (control == 0) {
            result += text[i++];
            continue;
        }
        for (const size_t end = i + control; i < end; ++i)
            appendPercentEncoded(result, byteAt(text, i));
    }
    return result;
}

size_t utf16Length(std::string_view text) {
    size_t units = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = sequenceLength(text.substr(i));
        // A code point beyond U+FFFF takes a surrogate pair.
        units += length == 4 ? 2 : 1;
        i += length == 0 ? 1 : length;
    }
    return units;
}

std::string withoutQuotes(std::string_view text) {
    std::string result(text);
    std::erase(result, '"');
    return result;
}

std::string upperCase(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return result;
}

double leadingNumber(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    double sign = 1;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double place = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, place /= 10) {
            value += (text[i] - '0') * place;
        }
    }
    return sign * value;
}

double textToNumber(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    if (first != std::string_view::npos) {
        const std::string number(text.substr(first, last - first + 1));
        // strtod alone would also take hexadecimal, "inf" and "nan".
        const bool plain = number.find_first_not_of("+-.0123456789eE") == std::string::npos;
        char* end = nullptr;
        const double value = std::strtod(number.c_str(), &end);
        if (plain && end == number.c_str() + number.size() && std::isfinite(value)) return value;
    }
    throw AppError(error_number::typeMismatch, "Type mismatch");
}

}  // namespace base

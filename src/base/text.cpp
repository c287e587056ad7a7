#include "base/text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/app_error.h"

namespace base {

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

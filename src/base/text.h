#pragma once

#include <string>
#include <string_view>

namespace base {

// The text without leading and trailing blanks (spaces only, as the program
// has always trimmed).
inline std::string trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// The text without any double quote.
std::string withoutQuotes(std::string_view text);
// Upper-cased ASCII letters, for comparing names without regard to case.
std::string upperCase(std::string_view text);

// The number a text starts with, as the runtime's Val reads it: leading blanks
// skipped, an optional sign, digits with an optional decimal part; 0 when the
// text does not start with a number ("abc", "").
double leadingNumber(std::string_view text);

// The number a whole text stands for, as the runtime converts a text to a
// number: blanks around it allowed, an optional sign, digits with an optional
// decimal part and exponent. Raises type mismatch (13) for anything else
// ("abc", "", "12abc").
double textToNumber(std::string_view text);

}  // namespace base

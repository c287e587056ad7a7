#pragma once

#include <cstddef>
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

// Appends `byte` as "%" and two upper-case hexadecimal digits.
void appendPercentEncoded(std::string& text, unsigned char byte);

// `text` (UTF-8) with every character that reorders the text shown around it
// written as the %XX of its UTF-8 bytes: the bidirectional marks, embeddings,
// overrides and isolates (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to
// U+2069; U+202E becomes "%E2%80%AE"). Everything else, other non-ASCII text
// included, is kept as it is. An address so encoded shows what it opens and
// still opens the same page.
std::string withBidiControlsEncoded(std::string_view text);

// The number of UTF-16 units `text` (UTF-8) takes once converted for Windows:
// exact for well-formed text; each byte that is not part of a well-formed
// sequence counts as one unit, at least what its replacement takes.
size_t utf16Length(std::string_view text);

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

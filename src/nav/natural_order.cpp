#include "nav/natural_order.h"

#include <cctype>

namespace nav {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Compares the digit runs starting at a[i] and b[j] by value; advances both.
int compareNumbers(std::string_view a, size_t& i, std::string_view b, size_t& j) {
    while (i < a.size() && a[i] == '0') ++i;
    while (j < b.size() && b[j] == '0') ++j;
    const size_t startA = i;
    const size_t startB = j;
    while (i < a.size() && isDigit(a[i])) ++i;
    while (j < b.size() && isDigit(b[j])) ++j;
    const size_t lengthA = i - startA;
    const size_t lengthB = j - startB;
    if (lengthA != lengthB) return lengthA < lengthB ? -1 : 1;
    const int digits = a.substr(startA, lengthA).compare(b.substr(startB, lengthB));
    return digits < 0 ? -1 : (digits > 0 ? 1 : 0);
}

}  // namespace

bool naturalLess(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const int order = compareNumbers(a, i, b, j);
            if (order != 0) return order < 0;
            continue;
        }
        const char x = folded(a[i]);
        const char y = folded(b[j]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return j < b.size();
    return a < b;
}

}  // namespace nav

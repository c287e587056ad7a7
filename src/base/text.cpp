#include "base/text.h"

namespace base {

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

}  // namespace base

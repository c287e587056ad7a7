#pragma once
// Whole numbers from measurements, and the 16-bit counts and values the
// program keeps.

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

#include "base/app_error.h"

namespace base {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as every rounding in the program does.
inline double roundHalfEven(double value) { return std::nearbyint(value); }

[[noreturn]] inline void raiseOverflow() { throw AppError(error_number::overflow, "Overflow"); }

// The rounded value as an integer of type Int (int16_t for the program's 16-bit
// counts and values); raises overflow (6) when it does not fit.
template <typename Int>
Int roundTo(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        raiseOverflow();
    }
    return static_cast<Int>(rounded);
}

// A whole number, such as a list's size, as the program keeps it (int16_t for
// its 16-bit counts and indexes); raises overflow (6) when it does not fit,
// rather than wrapping into a wrong count.
template <typename Int, std::integral Whole>
Int roundTo(Whole value) {
    if (!std::in_range<Int>(value)) raiseOverflow();
    return static_cast<Int>(value);
}

// numerator / denominator; raises division by zero (11) when the denominator
// is 0, as the program's arithmetic does, instead of going on with infinity.
inline double quotient(double numerator, double denominator) {
    if (denominator == 0) throw AppError(error_number::divisionByZero, "Division by zero");
    return numerator / denominator;
}

}  // namespace base

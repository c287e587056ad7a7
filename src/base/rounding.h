#pragma once
// Whole numbers from measurements, and the 16-bit counts and values the
// program keeps.

#include <cmath>
#include <cstdint>
#include <limits>

#include "base/app_error.h"

namespace base {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as every rounding in the program does.
inline double roundHalfEven(double value) { return std::nearbyint(value); }

// The rounded value as a 16-bit integer; raises overflow (6) when it does not fit.
inline int16_t toInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() &&
          rounded <= std::numeric_limits<int16_t>::max())) {
        throw AppError(error_number::overflow, "Overflow");
    }
    return static_cast<int16_t>(rounded);
}

// The rounded value as a 32-bit integer; raises overflow (6) when it does not fit.
inline int32_t toInt32(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() &&
          rounded <= std::numeric_limits<int32_t>::max())) {
        throw AppError(error_number::overflow, "Overflow");
    }
    return static_cast<int32_t>(rounded);
}

}  // namespace base

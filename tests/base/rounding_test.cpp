// Whole numbers as the program keeps them: 16-bit counts that raise overflow
// instead of wrapping.

#include "base/rounding.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

std::optional<int16_t> asCount(auto value) {
    try {
        return base::roundTo<int16_t>(value);
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.number(), base::error_number::overflow);
        EXPECT_EQ(error.description(), "Overflow");
        return std::nullopt;
    }
}

TEST(Rounding, SizesAndIndexesPast16BitsRaiseOverflow) {
    for (const int64_t fits : {0, 32767, -1, -32768}) EXPECT_EQ(asCount(fits), fits);
    for (const int64_t past : {32768, 65536, -32769}) {
        EXPECT_EQ(asCount(past), std::nullopt) << past;
    }
    EXPECT_EQ(asCount(size_t{32767}), 32767);
    for (const size_t past : {size_t{32768}, size_t{65536} + 5}) {
        EXPECT_EQ(asCount(past), std::nullopt) << past;
    }
}

}  // namespace

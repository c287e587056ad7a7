#include "platform/win32/win32_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

TEST(Win32Clock, TimeOfDayIsTextWithDigits) {
    Win32Clock clock;
    const std::string text = clock.timeOfDay();
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isdigit(c) != 0;
    })) << text;
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

}  // namespace
}  // namespace platform

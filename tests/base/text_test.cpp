// Plain text helpers: comparing names without regard to case, and quotes.

#include "base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(Text, UpperCaseTouchesOnlyAsciiLetters) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"page1.jpg", "PAGE1.JPG"},
        {"MiXeD Case_09.Mire", "MIXED CASE_09.MIRE"},
        {"\xc3\xa9t\xc3\xa9.jpg", "\xc3\xa9T\xc3\xa9.JPG"},  // "été": UTF-8 bytes stay as they are
    };
    for (const auto& [text, upper] : cases) EXPECT_EQ(base::upperCase(text), upper) << text;
}

TEST(Text, WithoutQuotesDropsEveryDoubleQuote) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"\"C:\\a b\\c.jpg\"", "C:\\a b\\c.jpg"},
        {"a\"b\"\"c", "abc"},
        {"'single'", "'single'"},
    };
    for (const auto& [text, plain] : cases) EXPECT_EQ(base::withoutQuotes(text), plain) << text;
}

}  // namespace

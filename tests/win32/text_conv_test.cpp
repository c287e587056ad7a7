#include "platform/win32/text_conv.h"

#include <gtest/gtest.h>

#include <string>

namespace platform::win32 {
namespace {

using namespace std::string_literals;

TEST(TextConv, Utf16KeepsEmbeddedNulsAndCharactersBeyondTheBasicPlane) {
    const std::string utf8 = "a\0\xC3\xA9\xF0\x9F\x98\x80z"s;  // a NUL é 😀 z
    const std::wstring wide = utf8ToWide(utf8);
    EXPECT_EQ(wide, L"a\0\u00E9\U0001F600z"s);
    EXPECT_EQ(wideToUtf8(wide), utf8);
}

TEST(TextConv, AnsiRoundTripKeepsEmbeddedNuls) {
    const std::string utf8 = "Caf\xC3\xA9\0end\0"s;
    const std::string ansi = utf8ToAnsi(utf8);
    EXPECT_EQ(ansi.back(), '\0');
    EXPECT_EQ(ansiToUtf8(ansi), utf8);
}

}  // namespace
}  // namespace platform::win32

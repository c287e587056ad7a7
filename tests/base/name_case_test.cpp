// File names compared without regard to case, as Windows compares them.

#include "base/name_case.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

std::string text(std::u8string_view utf8) {
    return {reinterpret_cast<const char*>(utf8.data()), utf8.size()};
}

TEST(NameCase, NamesMatchAsWindowsFileSystemsMatchThem) {
    struct Case {
        std::u8string_view given;
        std::u8string_view listed;
        bool same;
    };
    const Case cases[] = {
        {u8"page1.jpg", u8"PAGE1.JPG", true},
        {u8"übersicht.jpg", u8"Übersicht.jpg", true},
        {u8"été.JPG", u8"ÉTÉ.jpg", true},
        {u8"ÿ", u8"Ÿ", true},  // Latin-1 to Extended-A
        {u8"łódź", u8"ŁÓDŹ", true},
        {u8"σοφία", u8"ΣΟΦΊΑ", true},
        {u8"москва", u8"МОСКВА", true},
        {u8"їжак", u8"ЇЖАК", true},
        {u8"ế", u8"Ế", true},    // three bytes each
        {u8"ɐ", u8"Ɐ", true},    // two bytes to three
        {u8"ａ", u8"Ａ", true},  // fullwidth
        {u8"ubersicht.jpg", u8"Übersicht.jpg", false},
        {u8"straße.jpg", u8"STRASSE.JPG", false},  // no folding to two letters
        {u8"ı", u8"I", false},                     // dotless i is not ASCII I
        {u8"ſ", u8"S", false},                     // nor long s ASCII S
        {u8"ς", u8"Σ", false},                     // final sigma keeps apart
        {u8"\u00E9", u8"e\u0301", false},          // composed and decomposed
        {u8"𐐨", u8"𐐀", false},                     // beyond the Basic Multilingual Plane
    };
    for (const Case& c : cases) {
        const std::string given = text(c.given);
        const std::string listed = text(c.listed);
        EXPECT_EQ(base::upperCaseName(given) == base::upperCaseName(listed), c.same)
            << given << " / " << listed;
    }
}

TEST(NameCase, BytesThatAreNotUtf8AreKept) {
    for (const std::string bytes : {"\xC3", "A\xC3(B", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80",
                                    "\xFF\xFE", "\xF0\x90\x90\xA8"}) {
        EXPECT_EQ(base::upperCaseName(bytes), bytes);
    }
    EXPECT_EQ(base::upperCaseName("a\xC3(\xC3\xA4"), "A\xC3(\xC3\x84");
}

}  // namespace

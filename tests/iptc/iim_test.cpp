// The IIM datasets of an IPTC resource: lengths, the character set and what
// is kept of the bytes.

#include "iptc/reader_fixture.h"

namespace iptc::test {
namespace {

using IimTest = ReaderTest;

Bytes fileWithIim(const Bytes& iim) { return jpeg({photoshopSegment(iptcResource(iim))}); }

TEST_F(IimTest, TakesByLineTitleAndSourceOfTheApplicationRecord) {
    const Bytes iim =
        cat({dataset(2, 0, std::string_view("\x00\x04", 2)), dataset(1, 80, "envelope 80"),
             dataset(2, 81, "81"), dataset(2, 116, "copyright"), source("http://s.example/"),
             byLineTitle("*+*+*"), byLine("Ann")});
    EXPECT_EQ(fieldsOf(fileWithIim(iim)), (IptcFields{"Ann", "*+*+*", "http://s.example/"}));
}

TEST_F(IimTest, ExtendedLengthsOfOneToFourBytes) {
    for (int lengthBytes = 1; lengthBytes <= 4; ++lengthBytes) {
        const Bytes iim = cat({extendedDataset(2, 80, "extended", lengthBytes), source("after")});
        EXPECT_EQ(fieldsOf(fileWithIim(iim)), (IptcFields{"extended", "", "after"}))
            << lengthBytes << " length bytes";
    }
    const std::string large(70000, 'x');
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegments(iptcResource(extendedDataset(2, 115, large, 4)))})),
              (IptcFields{"", "", large}));
}

TEST_F(IimTest, LongerOrEmptyLengthCountsEndTheResource) {
    const IptcFields before{"before", "", ""};
    EXPECT_EQ(fieldsOf(fileWithIim(
                  cat({byLine("before"), extendedDataset(2, 85, "x", 5), source("after")}))),
              before);
    EXPECT_EQ(fieldsOf(fileWithIim(
                  cat({byLine("before"), extendedDataset(2, 85, "", 0), source("after")}))),
              before);
}

TEST_F(IimTest, DatasetRunningPastItsResourceIsIgnored) {
    // Source claims 9 bytes; 3 are left in the resource, the rest belongs to the next resource.
    Bytes iim = cat({byLine("kept"), source("abc")});
    iim[iim.size() - 4] = 9;
    const Bytes stream = cat({iptcResource(iim), iptcResource(cat({byLineTitle("*+*+*")}))});
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(stream)})), (IptcFields{"kept", "*+*+*", ""}));

    Bytes extended = cat({byLine("kept"), extendedDataset(2, 115, "abc", 4)});
    extended[extended.size() - 4] = 0x10;
    EXPECT_EQ(fieldsOf(fileWithIim(extended)), (IptcFields{"kept", "", ""}));
}

TEST_F(IimTest, ByteOtherThanTagMarkerEndsTheResource) {
    // Zero padding after the last dataset is common; garbage is not, but ends it the same way.
    EXPECT_EQ(fieldsOf(fileWithIim(cat({byLine("Ann"), Bytes{0, 0}, source("after")}))),
              (IptcFields{"Ann", "", ""}));
    EXPECT_EQ(fieldsOf(fileWithIim(cat({Bytes{0x1D}, byLine("Ann")}))), IptcFields{});
}

TEST_F(IimTest, TextIsWindows1252UnlessTheCharsetSaysUtf8) {
    const std::string high = "\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xE9\xFF";
    const std::string highAsUtf8 = "\u20AC\u0081\u008D\u008F\u0090\u009D\u0178\u00A0\u00E9\u00FF";
    const std::string utf8 = "Gr\xC3\xBC\xC3\x9F\x65 \xE6\x97\xA5 \xF0\x9F\x93\xB0";
    EXPECT_EQ(fieldsOf(fileWithIim(byLine(high))).byLine, highAsUtf8);
    EXPECT_EQ(fieldsOf(fileWithIim(cat({utf8Charset(), byLine(utf8)}))).byLine, utf8);
    // Taken as it is: bytes that are not UTF-8 stay as they are.
    EXPECT_EQ(fieldsOf(fileWithIim(cat({utf8Charset(), byLine(high)}))).byLine, high);
    // Only ESC % G means UTF-8; the first 1:90 of a block decides, wherever it stands.
    EXPECT_EQ(fieldsOf(fileWithIim(cat({dataset(1, 90, "\x1B%/G"), byLine(high)}))).byLine,
              highAsUtf8);
    EXPECT_EQ(fieldsOf(fileWithIim(cat({byLine(utf8), utf8Charset()}))).byLine, utf8);
    EXPECT_EQ(
        fieldsOf(fileWithIim(cat({dataset(1, 90, "\x1B-A"), utf8Charset(), byLine(high)}))).byLine,
        highAsUtf8);
}

TEST_F(IimTest, CharsetAppliesToItsOwnResource) {
    const Bytes stream = cat({iptcResource(cat({utf8Charset(), byLine("\xC3\xA9")})),
                              iptcResource(cat({byLineTitle("\xC3\xA9"), source("x")}))});
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(stream)})),
              (IptcFields{"\xC3\xA9", "\xC3\x83\xC2\xA9", "x"}));
}

TEST_F(IimTest, ValuesAreKeptExactly) {
    const Bytes iim = cat({byLine(std::string_view(" Ann\0", 5)), byLineTitle("*+*+* "),
                           source("\thttp://a.example/ \r\n")});
    EXPECT_EQ(fieldsOf(fileWithIim(iim)),
              (IptcFields{std::string(" Ann\0", 5), "*+*+* ", "\thttp://a.example/ \r\n"}));
}

TEST_F(IimTest, RepeatedDatasetGivesItsFirstOccurrence) {
    const Bytes iim = cat({byLine("first"), byLineTitle(""), byLine("second"), byLineTitle("*+*+*"),
                           byLine("third")});
    EXPECT_EQ(fieldsOf(fileWithIim(iim)), (IptcFields{"first", "", ""}));
}

}  // namespace
}  // namespace iptc::test

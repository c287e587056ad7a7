// The Photoshop resource stream: resource layout, several APP13 segments,
// several IPTC resources.

#include "iptc/reader_fixture.h"

namespace iptc::test {
namespace {

using ResourcesTest = ReaderTest;

const Bytes kThumbnail = resource(0x040C, Bytes(33, 0xAB));  // odd size: padded
const Bytes kIim = cat({byLine("Ann"), byLineTitle("*+*+*"), source("http://a.example/")});
const IptcFields kFields{"Ann", "*+*+*", "http://a.example/"};

// Splits `stream` into Photoshop APP13 segments at the given offsets.
Bytes splitIntoSegments(const Bytes& stream, std::initializer_list<size_t> cuts) {
    Bytes out;
    size_t from = 0;
    for (size_t to : cuts) {
        out = cat({out, photoshopSegment(Bytes(stream.begin() + from, stream.begin() + to))});
        from = to;
    }
    return cat({out, photoshopSegment(Bytes(stream.begin() + from, stream.end()))});
}

TEST_F(ResourcesTest, PascalNamesOfEveryParityAreSkipped) {
    for (const std::string_view name : {"", "a", "ab", "abc", "abcd", "Photoshop name 16"}) {
        const Bytes stream = cat({resource(0x03ED, Bytes(16, 1), name), iptcResource(kIim, name),
                                  resource(0x0406, {1, 2, 3}, name)});
        EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(stream)})), kFields) << "name " << name;
    }
}

TEST_F(ResourcesTest, OddSizedResourcesArePadded) {
    const Bytes oddIim = cat({kIim, Bytes{0}});  // a trailing pad byte inside the data
    ASSERT_EQ(oddIim.size() % 2, 1u);
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(cat({kThumbnail, iptcResource(kIim)}))})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(cat({iptcResource(oddIim), kThumbnail}))})), kFields);
}

TEST_F(ResourcesTest, OtherSignaturesEndTheWalk) {
    for (const std::string_view signature : {"AgHg", "DCSR", "PHUT", "8BIN", "MeSa"}) {
        const Bytes foreign = resource(0x0404, byLine("foreign"), "", signature);
        EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(foreign)})), IptcFields{}) << signature;
        EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(cat({foreign, iptcResource(kIim)}))})),
                  IptcFields{})
            << signature;
        EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(cat({iptcResource(kIim), foreign}))})), kFields)
            << signature;
    }
}

TEST_F(ResourcesTest, ResourceRunningPastTheStreamIsReadToItsEnd) {
    Bytes stream = cat({kThumbnail, iptcResource(kIim)});
    const size_t sizeAt = kThumbnail.size() + 8;  // signature, id, empty name field
    stream[sizeAt] = 0x7F;                        // size 0x7F0000xx
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(stream), app0()})), kFields);

    // A header cut by the stream's end ends the walk without harm.
    const Bytes cutHeader = {'8', 'B', 'I', 'M', 0x04, 0x04, 0x00};
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(cat({iptcResource(kIim), cutHeader}))})), kFields);
}

TEST_F(ResourcesTest, StreamContinuesAcrossApp13Segments) {
    const Bytes stream = cat({kThumbnail, iptcResource(kIim), resource(0x0406, Bytes(5, 2))});
    const size_t iimStart = kThumbnail.size() + 12;
    // Cut inside a resource header, inside a dataset header, inside a value,
    // and into three segments at once.
    for (size_t cut : {kThumbnail.size() + 3, iimStart + 2, iimStart + 7, stream.size() - 1}) {
        EXPECT_EQ(fieldsOf(jpeg({splitIntoSegments(stream, {cut})})), kFields) << "cut " << cut;
    }
    EXPECT_EQ(fieldsOf(jpeg({splitIntoSegments(stream, {iimStart + 1, iimStart + 9})})), kFields);
    // Other segments between the parts do not interrupt the stream.
    const Bytes first = photoshopSegment(Bytes(stream.begin(), stream.begin() + iimStart + 4));
    const Bytes rest = photoshopSegment(Bytes(stream.begin() + iimStart + 4, stream.end()));
    EXPECT_EQ(fieldsOf(jpeg({first, app0(), segment(0xED, bytes("Adobe_CM")), rest})), kFields);
}

TEST_F(ResourcesTest, IptcOnlyInASecondApp13IsRead) {
    const Bytes noIptc = photoshopSegment(cat({kThumbnail, resource(0x03ED, Bytes(16, 0))}));
    EXPECT_EQ(fieldsOf(jpeg({noIptc, app0(), photoshopSegment(iptcResource(kIim))})), kFields);
}

TEST_F(ResourcesTest, FirstOccurrenceWinsAcrossIptcResources) {
    const Bytes first = iptcResource(cat({byLine("one"), byLineTitle("")}));
    const Bytes second = iptcResource(cat({byLine("two"), byLineTitle("*+*+*"), source("two")}));
    const IptcFields expected{"one", "", "two"};
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(cat({first, kThumbnail, second}))})), expected);
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(first), photoshopSegment(second)})), expected);
    // An empty IPTC resource is no occurrence of anything.
    EXPECT_EQ(fieldsOf(jpeg({photoshopSegment(cat({iptcResource({}), second}))})),
              (IptcFields{"two", "*+*+*", "two"}));
}

}  // namespace
}  // namespace iptc::test

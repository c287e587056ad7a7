// The marker walk: where the reader finds APP13 segments, what it skips and
// where it stops.

#include "iptc/iptc_parse.h"
#include "iptc/jpeg_segments.h"
#include "iptc/reader_fixture.h"

namespace iptc::test {
namespace {

const Bytes kIptc = photoshopSegment(iptcResource(cat({byLine("Ann"), byLineTitle("*+*+*")})));
const IptcFields kFields{"Ann", "*+*+*", ""};

using JpegWalkTest = ReaderTest;

TEST_F(JpegWalkTest, FindsApp13AmongOtherSegments) {
    const Bytes exif = segment(0xE1, cat({bytes("Exif"), Bytes(3000, 0xFF)}));
    // Segments are skipped by their length: an APP13 inside a comment is not read.
    const Bytes comment = segment(0xFE, photoshopSegment(iptcResource(byLine("inside"))));
    EXPECT_EQ(fieldsOf(jpeg({kIptc})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({app0(), exif, comment, kIptc})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({app0(), kIptc, exif})), kFields);
}

TEST_F(JpegWalkTest, AllowsFillBytesBeforeMarkers) {
    const Bytes fill(7, 0xFF);
    EXPECT_EQ(fieldsOf(cat({marker(0xD8), fill, app0(), fill, fill, kIptc, imageData()})), kFields);
}

TEST_F(JpegWalkTest, SkipsStrayBytesBetweenSegments) {
    const Bytes strayFF00 = {0xFF, 0x00};
    const Bytes garbage = {0x00, 0x02, 0x37, 0x42, 0xFF, 0x00, 0x49, 0x4D};
    EXPECT_EQ(fieldsOf(jpeg({app0(), strayFF00, kIptc})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({app0(), strayFF00, Bytes{0x00, 0x02}, kIptc})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({app0(), garbage, kIptc})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({garbage, kIptc})), kFields);
    // Standalone markers carry no length: the bytes after them are the next marker.
    EXPECT_EQ(fieldsOf(jpeg({marker(0xD0), marker(0x01), marker(0xD8), kIptc})), kFields);
}

TEST_F(JpegWalkTest, FindsTheMarkerWhereverTheSearchViewsEnd) {
    // The marker's 0xFF at and around the last byte of each search view. In
    // memory: the search is the same, and a file for each length would be slow.
    std::vector<size_t> lengths;
    for (size_t viewEnd = kFirstScan - 1; viewEnd < 3 * kScanBlock; viewEnd += kScanBlock - 1) {
        for (size_t length = viewEnd - 2; length <= viewEnd + 2; ++length) {
            lengths.push_back(length);
        }
    }
    const Bytes head = cat({marker(0xD8), app0()});
    const Bytes tail = cat({kIptc, imageData()});
    for (const size_t length : lengths) {
        const Bytes file = cat({head, Bytes(length, 0x20), tail});
        EXPECT_EQ(readIptcFields(file).fields, kFields) << length << " bytes of garbage";
    }
}

TEST_F(JpegWalkTest, GivesUpWhenNoMarkerFollowsWithinTheGap) {
    const auto gap = [](uint64_t size) { return Bytes(static_cast<size_t>(size), 0x20); };
    EXPECT_EQ(fieldsOf(jpeg({app0(), gap(kMaxGap - 1), kIptc})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({app0(), gap(kMaxGap), kIptc})), IptcFields{});
}

TEST_F(JpegWalkTest, StopsAtScanOrEndOfImage) {
    EXPECT_EQ(fieldsOf(cat({marker(0xD8), app0(), imageData(), kIptc})), IptcFields{});
    // IPTC in a trailer after EOI is not looked for.
    EXPECT_EQ(fieldsOf(cat({marker(0xD8), marker(0xD9), kIptc})), IptcFields{});
    EXPECT_EQ(fieldsOf(cat({marker(0xD8), marker(0xD9), Bytes{0x00, 0x02}, kIptc})), IptcFields{});
    EXPECT_EQ(fieldsOf(cat({jpeg({app0()}), bytes("trailer"), kIptc})), IptcFields{});
}

TEST_F(JpegWalkTest, ReadsOnlyPhotoshopApp13Segments) {
    const Bytes adobeCm = segment(0xED, cat({bytes("Adobe_CM"), Bytes{0, 1, 2, 3}}));
    // The same resources under other names or markers are not IPTC.
    const Bytes resources = iptcResource(byLine("Bob"));
    const Bytes photoshop2 = segment(0xED, cat({bytes("Photoshop 2.0"), Bytes{0}, resources}));
    const Bytes noNul = segment(0xED, cat({bytes("Photoshop 3.0 "), resources}));
    const Bytes inApp12 = segment(0xEC, cat({bytes("Photoshop 3.0"), Bytes{0}, resources}));
    EXPECT_EQ(fieldsOf(jpeg({adobeCm, kIptc})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({kIptc, adobeCm})), kFields);
    EXPECT_EQ(fieldsOf(jpeg({photoshop2, noNul, inApp12})), IptcFields{});
    // Shorter than the header: segment length 9, as seen in fuzzed files.
    EXPECT_EQ(fieldsOf(jpeg({segment(0xED, bytes("Photosh")), kIptc})), kFields);
}

TEST_F(JpegWalkTest, BrokenSegmentEndsTheWalkKeepingEarlierFields) {
    const Bytes lengthOne = {0xFF, 0xE1, 0x00, 0x01};
    const Bytes lengthZero = {0xFF, 0xE1, 0x00, 0x00};
    const Bytes pastEnd = {0xFF, 0x52, 0x4F, 0x4C, 0xD7, 0xD7};
    EXPECT_EQ(fieldsOf(jpeg({kIptc, lengthOne, photoshopSegment(iptcResource(source("S")))})),
              kFields);
    EXPECT_EQ(fieldsOf(jpeg({lengthZero, kIptc})), IptcFields{});
    EXPECT_EQ(fieldsOf(cat({marker(0xD8), kIptc, pastEnd})), kFields);
    EXPECT_EQ(fieldsOf(cat({marker(0xD8), pastEnd, kIptc})), IptcFields{});
}

TEST_F(JpegWalkTest, App13CutByEndOfFileIsUsedUpToTheEnd) {
    // The segment claims 200 more bytes than the file holds.
    Bytes cut = cat({marker(0xD8), kIptc});
    const size_t lengthAt = 4;
    const unsigned length = (cut[lengthAt] << 8 | cut[lengthAt + 1]) + 200;
    cut[lengthAt] = static_cast<uint8_t>(length >> 8);
    cut[lengthAt + 1] = static_cast<uint8_t>(length);
    EXPECT_EQ(fieldsOf(cut), kFields);
}

}  // namespace
}  // namespace iptc::test

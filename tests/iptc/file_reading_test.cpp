// Reading from disk: files cut short at every length, and segments that lie
// across the reader's buffer refills.

#include <algorithm>
#include <filesystem>
#include <random>

#include "iptc/file_source.h"
#include "iptc/iptc_parse.h"
#include "iptc/reader_fixture.h"

namespace iptc::test {
namespace {

using FileReadingTest = ReaderTest;

// Offset just past the only occurrence of `value` in `file`.
size_t endOf(const Bytes& file, std::string_view value) {
    const auto at = std::search(file.begin(), file.end(), value.begin(), value.end());
    EXPECT_NE(at, file.end()) << value;
    EXPECT_EQ(std::search(at + 1, file.end(), value.begin(), value.end()), file.end()) << value;
    return static_cast<size_t>(at - file.begin()) + value.size();
}

TEST_F(FileReadingTest, FileCutAtEveryLengthGivesWholeFieldsOrNone) {
    const IptcFields full{"By Ann", "*+*+*", "http://cut.example/"};
    const Bytes thumbnail = resource(0x040C, Bytes(41, 0xD8));
    const Bytes iptc = iptcResource(cat({utf8Charset(), byLine(full.byLine),
                                         byLineTitle(full.byLineTitle), source(full.source)}),
                                    "iim");
    const Bytes stream = cat({thumbnail, iptc});
    // The stream goes on in a second APP13, from inside the By-line Title's dataset header.
    const size_t iimStart = thumbnail.size() + 14;  // signature, id, name "iim", size
    const size_t split = iimStart + utf8Charset().size() + byLine(full.byLine).size() + 2;
    const Bytes file =
        jpeg({app0(), photoshopSegment(Bytes(stream.begin(), stream.begin() + split)),
              segment(0xFE, bytes("comment")),
              photoshopSegment(Bytes(stream.begin() + split, stream.end()))});
    const size_t byLineEnd = endOf(file, full.byLine);
    const size_t titleEnd = endOf(file, full.byLineTitle);
    const size_t sourceEnd = endOf(file, full.source);

    for (size_t length = 0; length <= file.size(); ++length) {
        const Loaded loaded = read(Bytes(file.begin(), file.begin() + length));
        if (length < 2) {
            EXPECT_EQ(loaded.status.code, status_code::notJpeg) << length;
            continue;
        }
        ASSERT_TRUE(loaded.status.ok()) << length;
        const IptcFields expected{length >= byLineEnd ? full.byLine : "",
                                  length >= titleEnd ? full.byLineTitle : "",
                                  length >= sourceEnd ? full.source : ""};
        EXPECT_EQ(loaded.fields, expected) << "cut at " << length;
    }
}

TEST_F(FileReadingTest, SegmentsAcrossReadBlocksAreReadWhole) {
    const Bytes app13 = photoshopSegment(
        cat({resource(0x03ED, Bytes(16, 1)),
             iptcResource(cat({byLine("Ann"), byLineTitle("*+*+*"), source("x")}))}));
    const IptcFields expected{"Ann", "*+*+*", "x"};
    constexpr size_t kBlock = FileSource::kBlockSize;
    // Put the APP13 marker, its length, its header and its datasets across the
    // first and second block boundaries; the APP1 before it is 4 bytes + body.
    for (const size_t boundary : {kBlock, 2 * kBlock, 3 * kBlock + 7}) {
        for (size_t app13At = boundary - app13.size(); app13At <= boundary + 1; ++app13At) {
            const Bytes exif = segment(0xE1, Bytes(app13At - 2 - 4, 0x45));
            const Bytes file = jpeg({exif, app13});
            EXPECT_EQ(fieldsOf(file), expected) << "APP13 at " << app13At;
        }
    }
    // A body larger than a block, and a search for a marker through more than a block.
    const Bytes large = photoshopSegment(
        cat({resource(0x0409, Bytes(3 * kBlock, 2)), iptcResource(byLine("late"))}));
    EXPECT_EQ(fieldsOf(jpeg({large})).byLine, "late");
    EXPECT_EQ(fieldsOf(jpeg({app0(), Bytes(2 * kBlock + 3, 0x11), app13})), expected);
}

// Views near each other, as the walk asks for them, so that many start or end
// right at the buffer's edges; any view must hold exactly the file's bytes.
TEST_F(FileReadingTest, ViewsHoldTheFileBytesWhateverTheRequests) {
    Bytes content(20000);
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<uint8_t>(i * 7 + i / 251);
    const std::string path = dir_.write("pattern.bin", content);
    std::mt19937 random(20240601);  // fixed: a failure repeats
    for (const size_t blockSize : {size_t{1}, size_t{3}, size_t{64}, FileSource::kBlockSize}) {
        FileSource file(blockSize);
        ASSERT_EQ(file.open(path), FileSource::OpenResult::opened);
        uint64_t offset = 0;
        for (int request = 0; request < 3000; ++request) {
            const auto jump = static_cast<int64_t>(random() % 96) - 32;
            offset =
                static_cast<uint64_t>(std::max<int64_t>(0, static_cast<int64_t>(offset) + jump));
            if (offset > content.size() + 8) offset = random() % content.size();
            const size_t count = request % 50 == 0 ? random() % 30000 : random() % 70;
            const auto view = file.view(offset, count);
            const size_t expected =
                offset >= content.size() ? 0 : std::min<size_t>(count, content.size() - offset);
            ASSERT_EQ(view.size(), expected) << "view " << offset << "+" << count;
            ASSERT_TRUE(std::equal(view.begin(), view.end(), content.begin() + offset))
                << "view " << offset << "+" << count << ", block " << blockSize;
        }
        EXPECT_FALSE(file.failed());
    }
}

TEST_F(FileReadingTest, FileCutShortWhileOpenIsAReadFault) {
    const Bytes file = jpeg({segment(0xE1, Bytes(3 * FileSource::kBlockSize, 0x45)),
                             photoshopSegment(iptcResource(byLine("late")))});
    const std::string path = dir_.write("shrinks.jpg", file);
    FileSource shrinking;
    ASSERT_EQ(shrinking.open(path), FileSource::OpenResult::opened);
    std::filesystem::resize_file(path, FileSource::kBlockSize);
    const ParseResult result = readIptcFields(shrinking);
    EXPECT_EQ(result.outcome, ParseOutcome::readFault);
    EXPECT_EQ(result.fields, IptcFields{});
    EXPECT_TRUE(shrinking.failed());
}

// Small and odd refills put every view of the walk across a buffer edge.
TEST_F(FileReadingTest, EveryBlockSizeReadsAsMemoryDoes) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TS_CORPUS_DIR)) {
        if (entry.path().extension() == ".jpg") files.push_back(entry.path());
    }
    ASSERT_FALSE(files.empty());
    files.push_back(dir_.write("split.jpg", jpeg({app0(), Bytes{0xFF, 0x00, 0x20},
                                                  photoshopSegment(resource(0x03ED, Bytes(9, 1))),
                                                  photoshopSegment(iptcResource(byLine("B")))})));
    for (const auto& path : files) {
        const auto content = testsupport::readAll(path);
        const ParseResult expected = readIptcFields(content);
        for (const size_t blockSize : {1, 2, 3, 5, 31, 32, 33, 4095, 4097}) {
            FileSource file(blockSize);
            ASSERT_EQ(file.open(path.string()), FileSource::OpenResult::opened);
            const ParseResult fromFile = readIptcFields(file);
            EXPECT_EQ(fromFile.outcome, expected.outcome) << path << " block " << blockSize;
            EXPECT_EQ(fromFile.fields, expected.fields) << path << " block " << blockSize;
        }
    }
}

}  // namespace
}  // namespace iptc::test

// IptcReader::LoadFile: which files fail, with which status, and what the
// fields hold afterwards.

#include <unistd.h>

#include <filesystem>

#include "iptc/reader_fixture.h"

namespace iptc::test {
namespace {

const Bytes kTagged =
    jpeg({app0(), photoshopSegment(iptcResource(cat(
                      {byLine("Title"), byLineTitle("*+*+*"), source("http://example.org/")})))});
const IptcFields kTaggedFields{"Title", "*+*+*", "http://example.org/"};

using ReaderStatusTest = ReaderTest;

TEST_F(ReaderStatusTest, MissingPathsAndFoldersAreFileNotFound) {
    for (const std::string& path : {dir_.file("missing.jpg"), dir_.file("no/such/folder.jpg"),
                                    dir_.path().string(), std::string()}) {
        const Loaded loaded = load(path);
        EXPECT_EQ(loaded.status.code, status_code::fileNotFound) << path;
        EXPECT_FALSE(loaded.status.description.empty());
    }
}

TEST_F(ReaderStatusTest, FilesThatDoNotStartWithSoiAreNotJpeg) {
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    const Bytes soiLater = cat({Bytes{0x00}, kTagged});
    for (const Bytes& file :
         {Bytes{}, Bytes{0xFF}, Bytes{0xFF, 0xD9}, png, bytes("By-line: *+*+*\n"), soiLater}) {
        const Loaded loaded = read(file);
        EXPECT_EQ(loaded.status.code, status_code::notJpeg) << file.size() << " bytes";
        EXPECT_EQ(loaded.status.description, "Not a JPEG file.");
        EXPECT_EQ(loaded.fields, IptcFields{});
    }
}

TEST_F(ReaderStatusTest, UnreadableFileIsAccessDenied) {
    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    const std::string path = dir_.write("locked.jpg", kTagged);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const Loaded loaded = load(path);
    EXPECT_EQ(loaded.status.code, status_code::accessDenied);
    EXPECT_FALSE(loaded.status.description.empty());
}

TEST_F(ReaderStatusTest, JpegWithoutIptcReadsEmptyFields) {
    for (const Bytes& file : {Bytes{0xFF, 0xD8}, jpeg({app0()}), jpeg({})}) {
        const Loaded loaded = read(file);
        EXPECT_TRUE(loaded.status.ok());
        EXPECT_EQ(loaded.status.code, status_code::ok);
        EXPECT_EQ(loaded.fields, IptcFields{});
    }
}

TEST_F(ReaderStatusTest, LoadReplacesTheFieldsOfTheLoadBefore) {
    IptcReader reader;
    ASSERT_TRUE(reader.LoadFile(dir_.write("tagged.jpg", kTagged)).ok());
    std::string value;
    reader.ByLineTitle(value);
    ASSERT_EQ(value, "*+*+*");

    EXPECT_EQ(reader.LoadFile(dir_.write("text.jpg", "plain text")).code, status_code::notJpeg);
    reader.ByLineTitle(value);
    EXPECT_EQ(value, "");

    ASSERT_TRUE(reader.LoadFile(dir_.write("tagged2.jpg", kTagged)).ok());
    EXPECT_EQ(reader.LoadFile(dir_.file("gone.jpg")).code, status_code::fileNotFound);
    reader.ByLine(value);
    EXPECT_EQ(value, "");

    ASSERT_TRUE(reader.LoadFile(dir_.write("tagged3.jpg", kTagged)).ok());
    ASSERT_TRUE(reader.LoadFile(dir_.write("plain.jpg", jpeg({app0()}))).ok());
    reader.Source(value);
    EXPECT_EQ(value, "");
}

TEST_F(ReaderStatusTest, DelimiterChangesNoField) {
    const Bytes repeated = jpeg({photoshopSegment(
        iptcResource(cat({byLine("first"), byLine("second"), byLineTitle("*+*+*")})))});
    IptcReader reader;
    EXPECT_TRUE(reader.Delimiter("\r\n").ok());
    ASSERT_TRUE(reader.LoadFile(dir_.write("repeated.jpg", repeated)).ok());
    std::string value;
    reader.ByLine(value);
    EXPECT_EQ(value, "first");
}

TEST_F(ReaderStatusTest, ReadsWindowsStylePaths) {
    dir_.write("sub/page.jpg", kTagged);
    const Loaded loaded = load(dir_.path().string() + "\\sub\\\\page.jpg");
    ASSERT_TRUE(loaded.status.ok()) << loaded.status.description;
    EXPECT_EQ(loaded.fields, kTaggedFields);
}

TEST_F(ReaderStatusTest, ReadsFilesWithNamesOutsideAscii) {
    const std::string path = dir_.write("Seite \xC3\xBC\xE2\x82\xAC \xE6\x97\xA5.jpg", kTagged);
    const Loaded loaded = load(path);
    ASSERT_TRUE(loaded.status.ok()) << loaded.status.description;
    EXPECT_EQ(loaded.fields, kTaggedFields);
}

}  // namespace
}  // namespace iptc::test

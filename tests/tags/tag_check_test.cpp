// The tag check and the last-run record it leaves, through the platform doubles.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/frmMain.h"
#include "settings/mdlINI.h"
#include "support/fake_platform.h"
#include "support/iptc_jpeg.h"

namespace {

using testsupport::FakePlatform;
using testsupport::jpegWithIptc;
using testsupport::pageImage;
using testsupport::plainJpeg;

class TagCheckTest : public ::testing::Test {
protected:
    // A file in the test folder whose whole path has exactly `length` characters.
    std::string pathOfLength(size_t length, const std::vector<uint8_t>& bytes) {
        const size_t folderLength = fake.root.path().string().size() + 1;
        const size_t stem = length - folderLength - 4;
        return fake.root.write(std::string(stem, 'p') + ".jpg", bytes);
    }
    std::string record(std::string_view key) {
        return mdlINI::getSetting(fake.registry, "Last Execute", key);
    }
    bool tempCopyExists() { return std::filesystem::exists(fake.root.path() / "temp" / "ts.jpeg"); }

    FakePlatform fake;
    frmMain form{fake.platform, "\"C:\\pages\\the run.jpg\""};
};

TEST_F(TagCheckTest, PageImageShowsItsTitleAndTrimmedAddressAndLeavesNoRecord) {
    const std::string path =
        fake.root.write("a.jpg", pageImage("  Title  ", "  https://a.example/ "));
    EXPECT_TRUE(form.isContainIPTC(path));
    EXPECT_EQ(form.lblTitle.caption(), "  Title  ");
    EXPECT_EQ(form.lblAddress.caption(), "https://a.example/");
    EXPECT_EQ(form.lastTagSummary(),
              "By-Line:  Title  # By-Title:*+*+*# Source:  https://a.example/ ");
    EXPECT_FALSE(
        fake.registry.keyExists(platform::kCurrentUser, "Software\\tessmire\\Last Execute"));
}

TEST_F(TagCheckTest, PathsOf26CharactersAndMoreAreReadFromTheTemporaryCopy) {
    const std::string path25 = pathOfLength(25, pageImage("short", "s"));
    ASSERT_EQ(path25.size(), 25u);
    EXPECT_TRUE(form.isContainIPTC(path25));
    EXPECT_FALSE(tempCopyExists());

    const std::vector<uint8_t> longPage = pageImage("long", "l");
    const std::string path26 = pathOfLength(26, longPage);
    ASSERT_EQ(path26.size(), 26u);
    EXPECT_TRUE(form.isContainIPTC(path26));
    EXPECT_EQ(form.lblTitle.caption(), "long");
    ASSERT_TRUE(tempCopyExists());
    EXPECT_EQ(testsupport::readAll(fake.root.path() / "temp" / "ts.jpeg"), longPage);

    // The next long check overwrites the copy; the copy is what is read.
    const std::string other = fake.root.write("a-much-longer-name.jpg", plainJpeg());
    EXPECT_FALSE(form.isContainIPTC(other));
    EXPECT_EQ(testsupport::readAll(fake.root.path() / "temp" / "ts.jpeg"), plainJpeg());
}

TEST_F(TagCheckTest, OnlyTheExactMarkerMakesAPageImage) {
    const std::vector<std::string> nearMisses = {
        "*+*+* ", "*+*+", "*+*+*+*", " *+*+*", std::string("*+*+*\0", 6), "*+*+*\r\n"};
    for (const std::string& marker : nearMisses) {
        const std::string path = fake.root.write("m.jpg", jpegWithIptc({"t", marker, "a"}));
        EXPECT_FALSE(form.isContainIPTC(path)) << '"' << marker << '"';
        // Compared as stored: reading the record back would stop at an embedded NUL.
        const std::string expected =
            "IPTC:IPTC not found |Tag:By-Line:t# By-Title:" + marker + "# Source:a";
        EXPECT_EQ(fake.registry
                      .value(platform::kCurrentUser, "Software\\tessmire\\Last Execute", "Error")
                      ->data,
                  std::vector<uint8_t>(expected.begin(), expected.end()));
    }
}

TEST_F(TagCheckTest, FileWithoutIptcRecordsTheBareLabels) {
    const std::string path = fake.root.write("plain.jpg", plainJpeg());
    EXPECT_FALSE(form.isContainIPTC(path));
    EXPECT_EQ(record("Error"), "IPTC:IPTC not found |Tag:By-Line:# By-Title:# Source:");
    EXPECT_EQ(record("Tag"), "") << "the first check of a run has no earlier summary";
    EXPECT_EQ(record("Command"), "\"C:\\pages\\the run.jpg\"");
    EXPECT_EQ(record("Time"), fake.clock.time);
    EXPECT_EQ(form.lastTagSummary(), "By-Line:# By-Title:# Source:");
}

TEST_F(TagCheckTest, FailedChecksKeepTheLabelsOfTheLastPageImage) {
    EXPECT_TRUE(form.isContainIPTC(fake.root.write("p.jpg", pageImage("Page", "https://p/"))));
    EXPECT_FALSE(form.isContainIPTC(fake.root.write("q.jpg", plainJpeg())));
    EXPECT_FALSE(form.isContainIPTC(fake.root.file("missing-file-with-a-long-name.jpg")));
    EXPECT_EQ(form.lblTitle.caption(), "Page");
    EXPECT_EQ(form.lblAddress.caption(), "https://p/");
}

TEST_F(TagCheckTest, SteppingOverTwoUntaggedFilesRecordsTheFirstAsTagAndTheSecondAsError) {
    EXPECT_FALSE(form.isContainIPTC(fake.root.write("x.jpg", jpegWithIptc({"first", "no", "1"}))));
    fake.clock.time = "11:00:00";
    EXPECT_FALSE(form.isContainIPTC(fake.root.write("y.jpg", jpegWithIptc({"second", "no", "2"}))));
    EXPECT_EQ(record("Tag"), "By-Line:first# By-Title:no# Source:1");
    EXPECT_EQ(record("Error"), "IPTC:IPTC not found |Tag:By-Line:second# By-Title:no# Source:2");
    EXPECT_EQ(record("Time"), "11:00:00");
    EXPECT_EQ(record("Command"), form.commandLine())
        << "the run's command line, not the file's path";
}

TEST_F(TagCheckTest, PageImageLeavesAnEarlierRecordInPlace) {
    EXPECT_FALSE(form.isContainIPTC(fake.root.write("x.jpg", plainJpeg())));
    const std::string error = record("Error");
    EXPECT_TRUE(form.isContainIPTC(fake.root.write("p.jpg", pageImage("t", "a"))));
    EXPECT_EQ(record("Error"), error);
}

TEST_F(TagCheckTest, MissingLongFileFailsAtTheCopyBeforeAnySummary) {
    EXPECT_TRUE(form.isContainIPTC(fake.root.write("p.jpg", pageImage("t", "a"))));
    const std::string before = form.lastTagSummary();

    EXPECT_FALSE(form.isContainIPTC(fake.root.file("no-such-page-image-here.jpg")));
    EXPECT_EQ(record("Error"), "IPTC error(53):File not found|Tag:");
    EXPECT_EQ(form.lastTagSummary(), before);
}

TEST_F(TagCheckTest, ReaderFailureIsRecordedWithItsNumberAndTheLabelsStay) {
    const std::string path = fake.root.write("t.jpg", "this is not a picture");
    EXPECT_FALSE(form.isContainIPTC(path));
    const std::string error = record("Error");
    EXPECT_EQ(error.rfind("IPTC error(-", 0), 0u) << error;
    EXPECT_EQ(error.substr(error.size() - 5), "|Tag:") << error;
    EXPECT_EQ(form.lastTagSummary(), "");
}

TEST_F(TagCheckTest, TemporaryCopyHeldByAnotherProgramTakesTheErrorPath) {
    const std::string copy = fake.root.write("temp/ts.jpeg", plainJpeg());
    fake.files.markLocked(copy);
    EXPECT_FALSE(form.isContainIPTC(pathOfLength(40, pageImage("t", "a"))));
    EXPECT_EQ(record("Error"), "IPTC error(70):Permission denied|Tag:");
}

TEST_F(TagCheckTest, UnwritableStoreLosesTheRecordButNotTheAnswer) {
    fake.registry.setReadOnly(true);
    EXPECT_FALSE(form.isContainIPTC(fake.root.write("x.jpg", plainJpeg())));
    EXPECT_TRUE(form.isContainIPTC(fake.root.write("p.jpg", pageImage("t", "a"))));
    EXPECT_EQ(record("Error"), "");
    EXPECT_EQ(fake.registry.openHandleCount(), 0u);
}

}  // namespace

// The tag check and the last-run record it leaves, through the platform doubles.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/frmMain.h"
#include "net/mdlNet.h"
#include "settings/mdlINI.h"
#include "support/fake_platform.h"
#include "support/iptc_jpeg.h"

namespace {

using testsupport::FakePlatform;
using testsupport::jpegWithIptc;
using testsupport::pageImage;
using testsupport::plainJpeg;

// Files that let `meanwhile` run after each of their operations: another
// viewer's work squeezed in between whatever a check does with the files.
class InterleavingFiles : public testsupport::LocalFiles {
public:
    using LocalFiles::LocalFiles;
    std::function<void()> meanwhile;

    bool exists(std::string_view path) override {
        const bool found = LocalFiles::exists(path);
        interleave();
        return found;
    }
    void copy(std::string_view from, std::string_view to) override {
        LocalFiles::copy(from, to);
        interleave();
    }
    void remove(std::string_view path) override {
        LocalFiles::remove(path);
        interleave();
    }
    void createEmpty(std::string_view path) override {
        LocalFiles::createEmpty(path);
        interleave();
    }
    std::string tempFolder() override {
        interleave();
        return LocalFiles::tempFolder();
    }

private:
    void interleave() {
        if (meanwhile) meanwhile();
    }
};

class TagCheckTest : public ::testing::Test {
protected:
    // A file in the test folder whose whole path has exactly `length` characters.
    std::string pathOfLength(size_t length, const std::vector<uint8_t>& bytes) {
        const size_t folderLength = fake.root.path().string().size() + 1;
        std::string name(length - folderLength - 4, 'p');
        // A name holds at most 255 bytes: longer paths pass through a folder.
        if (name.size() > 200) name[100] = '/';
        return fake.root.write(name + ".jpg", bytes);
    }
    std::string record(std::string_view key) {
        return mdlINI::getSetting(fake.registry, "Last Execute", key);
    }
    bool tempFolderIsEmpty() { return std::filesystem::is_empty(fake.root.path() / "temp"); }

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

// Controls that reverse how an address reads are shown as the browser gets
// them; their neighbours in the character set are kept.
TEST_F(TagCheckTest, AddressIsShownAndSentWithItsBidiControlsEncoded) {
    const std::pair<std::string, std::string> cases[] = {
        {"https://ex.org/\u202Egpj.exe", "https://ex.org/%E2%80%AEgpj.exe"},
        {"\u061B\u061C\u200D\u200E\u200F\u2010\u2029\u202A\u202B\u202C\u202D"
         "\u202F\u2065\u2066\u2067\u2068\u2069\u2070",
         "\u061B%D8%9C\u200D%E2%80%8E%E2%80%8F\u2010\u2029%E2%80%AA%E2%80%AB%E2%80%AC"
         "%E2%80%AD\u202F\u2065%E2%81%A6%E2%81%A7%E2%81%A8%E2%81%A9\u2070"},
    };
    mdlNet::browserPath = "C:\\web.exe";
    for (const auto& [address, shown] : cases) {
        EXPECT_TRUE(form.isContainIPTC(fake.root.write("a.jpg", pageImage("t", address))));
        EXPECT_EQ(form.lblAddress.caption(), shown);
        EXPECT_TRUE(mdlNet::openBrowser(fake.files, fake.shell, address));
        EXPECT_EQ(fake.shell.maximizedStarts.back().commandLine, " " + shown);
    }
    mdlNet::browserPath.clear();
}

TEST_F(TagCheckTest, PathsOfEveryLengthAreReadWhereTheyLie) {
    for (const size_t length : {25, 26, 300}) {
        const std::string title = "page of " + std::to_string(length);
        const std::string path = pathOfLength(length, pageImage(title, "a"));
        ASSERT_EQ(path.size(), length);
        EXPECT_TRUE(form.isContainIPTC(path)) << length;
        EXPECT_EQ(form.lblTitle.caption(), title);
    }
    EXPECT_FALSE(form.isContainIPTC(pathOfLength(40, plainJpeg())));
    EXPECT_TRUE(tempFolderIsEmpty());
}

// Two viewers started at once share the temporary folder; neither may see the
// other's file, however their checks interleave.
TEST_F(TagCheckTest, ChecksOfTwoViewersInterleavedEachReadTheirOwnFile) {
    const std::string first = pathOfLength(60, pageImage("first", "https://1/"));
    const std::string second = pathOfLength(61, pageImage("second", "https://2/"));
    InterleavingFiles files(fake.files.tempFolder());
    platform::Platform platform{fake.registry,   files,         fake.clock,   fake.codec,
                                fake.pictures,   fake.shell,    fake.dialogs, fake.printers,
                                fake.windowHook, fake.clipboard};
    frmMain firstViewer(platform, first);
    frmMain secondViewer(fake.platform, second);
    std::vector<std::string> secondTitles;
    const auto checkSecond = [&] {
        EXPECT_TRUE(secondViewer.isContainIPTC(second));
        secondTitles.push_back(secondViewer.lblTitle.caption());
    };
    files.meanwhile = checkSecond;

    EXPECT_TRUE(firstViewer.isContainIPTC(first));
    checkSecond();
    EXPECT_EQ(firstViewer.lblTitle.caption(), "first");
    EXPECT_EQ(firstViewer.lblAddress.caption(), "https://1/");
    for (const std::string& title : secondTitles) EXPECT_EQ(title, "second");
    EXPECT_EQ(secondViewer.lblAddress.caption(), "https://2/");
    EXPECT_EQ(record("Error"), "");
}

TEST_F(TagCheckTest, OnlyTheExactMarkerMakesAPageImage) {
    const std::vector<std::string> nearMisses = {
        "*+*+* ", "*+*+", "*+*+*+*", " *+*+*", std::string("*+*+*\0", 6), "*+*+*\r\n"};
    for (const std::string& marker : nearMisses) {
        const std::string path = fake.root.write("m.jpg", jpegWithIptc({"t", marker, "a"}));
        EXPECT_FALSE(form.isContainIPTC(path)) << '"' << marker << '"';
        // Compared as stored: reading the record back would stop at an embedded NUL.
        const std::string expected =
            "IPTC:IPTC not found |Tag:By-Line:t# By-Title:" + marker + "# Source:a" + '\0';
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

TEST_F(TagCheckTest, MissingFileFailsInTheReaderBeforeAnySummary) {
    EXPECT_TRUE(form.isContainIPTC(fake.root.write("p.jpg", pageImage("t", "a"))));
    const std::string before = form.lastTagSummary();

    EXPECT_FALSE(form.isContainIPTC(fake.root.file("no-such-page-image-here.jpg")));
    EXPECT_EQ(record("Error"), "IPTC error(-2147024894):The file was not found.|Tag:");
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

TEST_F(TagCheckTest, FileHeldByAnotherProgramInTheTemporaryFolderIsLeftAlone) {
    const std::string held = fake.root.write("temp/ts.jpeg", plainJpeg());
    fake.files.markLocked(held);
    EXPECT_TRUE(form.isContainIPTC(pathOfLength(40, pageImage("t", "a"))));
    EXPECT_EQ(form.lblTitle.caption(), "t");
    EXPECT_EQ(record("Error"), "");
    EXPECT_EQ(testsupport::readAll(held), plainJpeg());
}

TEST_F(TagCheckTest, UnwritableStoreLosesTheRecordButNotTheAnswer) {
    fake.registry.setReadOnly(true);
    EXPECT_FALSE(form.isContainIPTC(fake.root.write("x.jpg", plainJpeg())));
    EXPECT_TRUE(form.isContainIPTC(fake.root.write("p.jpg", pageImage("t", "a"))));
    EXPECT_EQ(record("Error"), "");
    EXPECT_EQ(fake.registry.openHandleCount(), 0u);
}

}  // namespace

// Opening files, the folder scan and stepping through the folder, headless.

#include <gtest/gtest.h>

#include <optional>

#include "app/frmMain.h"
#include "input/commands.h"
#include "nav/natural_order.h"
#include "platform/mdlGen.h"
#include "settings/mdlINI.h"
#include "support/fake_platform.h"
#include "support/page_files.h"
#include "support/viewer_threads.h"
#include "ui/headless.h"
#include "ui/screen.h"

namespace {

using testsupport::PageFiles;

// A folder listing with `extra` names more than the folder has files, after them.
class CrowdedFiles : public testsupport::LocalFiles {
public:
    CrowdedFiles(std::string tempFolder, int extra)
        : LocalFiles(std::move(tempFolder)), extra_(extra) {}
    std::vector<std::string> list(std::string_view folder, std::string_view patterns) override {
        std::vector<std::string> names = LocalFiles::list(folder, patterns);
        for (int i = 0; i < extra_; ++i) names.push_back("z" + std::to_string(i) + ".jpg");
        return names;
    }

private:
    int extra_;
};

class NavigationTest : public ::testing::Test {
protected:
    // Starts the viewer with `commandLine`, as the shell does.
    void startWith(const std::string& commandLine) { startWith(commandLine, fake.platform); }
    void startWith(const std::string& commandLine, platform::Platform& platform) {
        load(commandLine, platform);
        testsupport::settle(*viewer, fake.windowHook);
    }
    // The start alone, before the window has heard from the viewer's threads.
    void load(const std::string& commandLine, platform::Platform& platform) {
        viewer.emplace(platform, commandLine);
        ui::attachHeadless(*viewer, 792, 617);
        ASSERT_EQ(viewer->Form_Load(), frmMain::LoadOutcome::show);
        ui::show(*viewer);
    }
    frmMain& form() { return *viewer; }
    std::string caption(const std::string& rest) { return "Tessmire v1.2  " + rest; }
    std::string lastError() { return mdlINI::getSetting(fake.registry, "Last Execute", "Error"); }

    testsupport::FakePlatform fake;
    PageFiles files{fake.root.path() / "p"};
    std::optional<frmMain> viewer;
};

TEST_F(NavigationTest, SteppingSkipsPlainPicturesRecordsThemAndWrapsAtBothEnds) {
    const std::string a = files.page("a.jpg");
    files.plain("b.jpg");
    files.page("c.mire", 50, 70);
    startWith(a);
    EXPECT_EQ(form().caption(), caption("a.jpg    [1/2]"));

    form().imgNext.click();
    EXPECT_EQ(form().currentFileName(), "c.mire");
    EXPECT_EQ(form().caption(), caption("c.mire    [2/2]"));
    EXPECT_EQ(form().pictureWidth(), 50);
    EXPECT_NE(lastError().find("IPTC:IPTC not found"), std::string::npos) << "b.jpg was checked";
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);

    form().showNext();
    EXPECT_EQ(form().currentFileName(), "a.jpg");
    form().showPrevious();
    EXPECT_EQ(form().currentFileName(), "c.mire");
}

TEST_F(NavigationTest, CaptionCountsThePositionAmongThePageImagesOnceTheyAreCounted) {
    files.page("a.jpg");
    const std::string b = files.page("b.jpg");
    files.plain("between.jpg");
    files.page("c.jpg");
    load(b, fake.platform);
    // The page shows first; the count follows from the folder's scan.
    EXPECT_EQ(form().caption(), caption("b.jpg"));
    EXPECT_TRUE(form().folderScanning());
    testsupport::settle(form(), fake.windowHook);
    EXPECT_EQ(form().taggedCount(), 3);
    EXPECT_EQ(form().caption(), caption("b.jpg    [2/3]"));
}

TEST_F(NavigationTest, NamesAreListedInNaturalOrderAndFoundWithoutRegardToCase) {
    files.page("page10.jpg");
    files.page("page2.jpg");
    files.page("\xC3\x84rger.jpg");  // "Ärger.jpg"
    const std::string first = files.page("Page1.JPG");
    startWith(first);
    EXPECT_EQ(
        form().file_currDir.items(),
        (std::vector<std::string>{"Page1.JPG", "page2.jpg", "page10.jpg", "\xC3\x84rger.jpg"}));
    EXPECT_EQ(form().findTaggedIndex("PAGE10.jpg"), 2);
    EXPECT_EQ(form().findTaggedIndex("page3.jpg"), -1);
    EXPECT_EQ(form().findTaggedIndex("\xC3\xA4rger.JPG"), 3);  // "ärger.JPG"
    EXPECT_EQ(form().findTaggedIndex("arger.jpg"), -1);
    form().showNext();
    EXPECT_EQ(form().currentFileName(), "page2.jpg");
}

TEST_F(NavigationTest, FileAddedAfterTheScanIsReachedButHasNoCounter) {
    const std::string a = files.page("a.jpg");
    files.page("c.jpg");
    startWith(a);
    files.page("b.jpg");
    form().showNext();  // c.jpg, and the listing is read anew
    EXPECT_EQ(form().caption(), caption("c.jpg    [2/2]"));
    form().showPrevious();
    EXPECT_EQ(form().caption(), caption("b.jpg"));
}

// Counts and indexes of a listing are 16-bit: past 32767 entries the viewer
// still shows the picture but refuses to step rather than step to a wrong entry.
TEST_F(NavigationTest, FolderOfMoreEntriesThanA16BitCountShowsThePictureButDoesNotStep) {
    const std::string a = files.page("a.jpg");
    files.page("b.jpg");
    struct Case {
        int entries;
        const char* shownAfterStep;
        size_t messages;
    };
    for (const Case c : {Case{32767, "b.jpg", 0}, Case{32768, "a.jpg", 1}}) {
        SCOPED_TRACE(c.entries);
        fake.dialogs.shown.clear();
        CrowdedFiles crowded(fake.files.tempFolder(), c.entries - 2);
        platform::Platform platform{fake.registry,   crowded,       fake.clock,   fake.codec,
                                    fake.pictures,   fake.shell,    fake.dialogs, fake.printers,
                                    fake.windowHook, fake.clipboard};
        startWith(a, platform);
        EXPECT_EQ(form().caption(), caption("a.jpg    [1/2]"));
        EXPECT_EQ(form().pictureWidth(), 40);

        form().showNext();
        EXPECT_EQ(form().currentFileName(), c.shownAfterStep);
        EXPECT_EQ(fake.dialogs.shown.size(), c.messages);
        if (c.messages > 0 && !fake.dialogs.shown.empty()) {
            EXPECT_EQ(fake.dialogs.shown[0].text,
                      "This folder holds too many files to step through:\r\n" +
                          files.windowsFolder() + "\r\n\r\nOverflow");
        }
        EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
        viewer.reset();  // before the platform it was given goes
    }
}

TEST_F(NavigationTest, OnlyFileOfTheFolderStaysShown) {
    const std::string a = files.page("a.jpg");
    startWith(a);
    form().showNext();
    form().showPrevious();
    EXPECT_EQ(form().currentFileName(), "a.jpg");
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
}

TEST_F(NavigationTest, OnlyPageImageAmongOthersIsOpenedAgainAfterOneRound) {
    const std::string a = files.page("a.jpg");
    files.plain("b.jpg");
    files.plain("c.jpg");
    startWith(a);
    form().showNext();
    EXPECT_EQ(form().currentFileName(), "a.jpg");
}

TEST_F(NavigationTest, WhenNoPageImageIsLeftSteppingEndsAfterOneRound) {
    const std::string a = files.page("a.jpg");
    files.plain("b.jpg");
    startWith(a);
    files.plain("a.jpg");  // the shown file lost its marker
    form().showNext();
    form().showPrevious();
    EXPECT_EQ(form().currentFileName(), "a.jpg");
    EXPECT_EQ(form().caption(), caption("a.jpg    [1/1]"));
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
}

TEST_F(NavigationTest, PageImageThatCannotBeDecodedIsReportedAndTheViewStays) {
    const std::string a = files.page("a.jpg", 40, 60, "Page A", " https://a/ ");
    files.truncatedPage("b.jpg");
    startWith(a);
    form().showNext();
    EXPECT_EQ(form().currentFileName(), "a.jpg");
    EXPECT_EQ(form().caption(), caption("a.jpg    [1/2]"));
    EXPECT_EQ(form().lblTitle.caption(), "Page A") << "the bar names the page on view";
    EXPECT_EQ(form().lblAddress.caption(), "https://a/");
    EXPECT_EQ(form().pictureHeight(), 60);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_NE(fake.dialogs.shown[0].text.find("b.jpg"), std::string::npos);
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
}

TEST_F(NavigationTest, LongPathsAreScannedWhereTheyLieWritingNothingToTheTemporaryFolder) {
    const std::string a = files.page("a-page-image-with-a-long-name.jpg");
    files.page("another-page-image-with-a-long-name.jpg");
    startWith(a);
    EXPECT_EQ(form().caption(), caption("a-page-image-with-a-long-name.jpg    [1/2]"));
    form().showNext();
    EXPECT_EQ(form().caption(), caption("another-page-image-with-a-long-name.jpg    [2/2]"));
    EXPECT_TRUE(std::filesystem::is_empty(fake.root.path() / "temp"));
}

TEST_F(NavigationTest, FolderIsListedOncePerStartAndOncePerStep) {
    const std::string a = files.page("a.jpg");
    files.plain("b.jpg");
    files.page("c.jpg");
    startWith(a);
    EXPECT_EQ(fake.files.listCalls(), 1u);
    form().showNext();  // to c.jpg, passing b.jpg
    EXPECT_EQ(form().currentFileName(), "c.jpg");
    EXPECT_EQ(fake.files.listCalls(), 2u);
    form().showNext();
    EXPECT_EQ(form().currentFileName(), "a.jpg");
    EXPECT_EQ(fake.files.listCalls(), 3u);
}

TEST_F(NavigationTest, ScanOfAMissingFolderKeepsTheOldList) {
    const std::string a = files.page("a.jpg");
    startWith(a);
    EXPECT_EQ(form().scanFolder(fake.root.file("nowhere") + "\\"), 0);
    EXPECT_EQ(form().lstFile.listCount(), 1);
}

TEST_F(NavigationTest, MissingFileLeavesEverythingAsItWas) {
    const std::string a = files.page("a.jpg");
    startWith(a);
    form().openPicture(files.path("gone.jpg"));
    EXPECT_EQ(form().currentFileName(), "a.jpg");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].title, "File missing!");
    EXPECT_EQ(fake.dialogs.shown[0].text, "File doesn't exist!\r\n" + files.path("gone.jpg"));
    EXPECT_EQ(fake.dialogs.shown[0].style, 64);
}

TEST_F(NavigationTest, OpenCommandShowsPlainPicturesWithoutTheBarAndPagesWithIt) {
    startWith("");
    form().appendSystemMenuItem(commands::addressBar, {"&Address bar\tAlt+A", true, false});
    const std::string plain = files.plain("plain.mre");
    const std::string page = files.page("page.jpg");

    fake.dialogs.openAnswers = {plain};
    form().browseJPEG();
    EXPECT_EQ(fake.dialogs.shown.at(0).title, "Select a JPEG to open");
    ASSERT_EQ(fake.dialogs.lastFileTypes.size(), 2u);
    EXPECT_EQ(fake.dialogs.lastFileTypes[1].description, " Tessmire Files(*.mire;*.mre)");
    EXPECT_EQ(form().currentFileName(), "plain.mre");
    EXPECT_FALSE(form().addressBarShown());
    EXPECT_FALSE(form().frAddress.visible());
    EXPECT_TRUE(form().systemMenu().at(commands::addressBar).greyed);
    EXPECT_FALSE(form().systemMenu().at(commands::addressBar).checked);

    fake.dialogs.openAnswers = {page};
    form().browseJPEG();
    EXPECT_TRUE(form().addressBarShown());
    EXPECT_TRUE(form().frAddress.visible());
    EXPECT_TRUE(form().systemMenu().at(commands::addressBar).checked);
    EXPECT_FALSE(form().systemMenu().at(commands::addressBar).greyed);
    EXPECT_EQ(form().caption(), caption("page.jpg    [1/1]"));

    form().Form_Unload();
    EXPECT_EQ(mdlINI::getSetting(fake.registry, "", "ADDRESS_BAR"), "1");
}

TEST_F(NavigationTest, OpenCommandCancelledOrFailingReportsAsItShould) {
    startWith("");
    form().browseJPEG();  // no answer scripted: Cancel
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);

    fake.dialogs.openAnswers = {files.path("gone.jpg")};
    form().browseJPEG();
    EXPECT_EQ(fake.dialogs.shown.back().text, "Please select an existing file!");

    fake.dialogs.openAnswers = {files.truncatedPage("cut.jpg")};
    form().browseJPEG();
    EXPECT_EQ(fake.dialogs.shown.back().kind, "input");
    EXPECT_EQ(fake.dialogs.shown.back().title, "browseJPEG");
    EXPECT_EQ(fake.dialogs.shown.back().preset, "481");
    EXPECT_FALSE(form().pictureLoaded());
}

TEST(PathHelpers, SplitPathsAsTheViewerExpects) {
    EXPECT_EQ(mdlGen::getFolder("C:\\"), "");
    EXPECT_EQ(mdlGen::getFolder("C:\\a"), "C:\\");
    EXPECT_EQ(mdlGen::getFolder("name.jpg"), "");
    EXPECT_EQ(mdlGen::getFolder("\"C:\\my pages\\a.jpg\""), "C:\\my pages\\");
    EXPECT_EQ(mdlGen::getFileName("name.jpg"), "name.jpg");
    EXPECT_EQ(mdlGen::getFileName("\"C:\\my pages\\a.jpg\""), "a.jpg");
    EXPECT_EQ(mdlGen::getFileName("\"\""), "");
    EXPECT_EQ(mdlGen::getExtension("C:\\pages.v2\\a.JPEG"), ".JPEG");
    EXPECT_EQ(mdlGen::getExtension("C:\\pages.v2\\noext"), ".v2\\noext");
    EXPECT_EQ(mdlGen::getExtension("C:\\pages\\noext"), "");
}

TEST(PathHelpers, FullPathsAreThoseThatNeedNoCurrentFolder) {
    const std::pair<const char*, bool> cases[] = {
        {"C:\\pages\\a.jpg", true},
        {"c:/pages/a.jpg", true},
        {"\\\\server\\share\\a.jpg", true},
        {"//server/share/a.jpg", true},
        {"\\\\?\\C:\\a.jpg", true},
        {"a.jpg", false},
        {"pages\\a.jpg", false},
        {"..\\a.jpg", false},
        {"\\pages\\a.jpg", false},
        {"C:a.jpg", false},
        {"1:\\a.jpg", false},
        {"", false},
    };
    for (const auto& [path, full] : cases) EXPECT_EQ(mdlGen::isFullPath(path), full) << path;
}

TEST(NaturalOrder, SortsAsExplorerDoes) {
    std::vector<std::string> names = {"page10.jpg", "Page2.jpg", "page1.jpg", "page02b.jpg",
                                      "apple.jpg",  "page2.jpg", "page 3.jpg"};
    std::sort(names.begin(), names.end(), nav::naturalLess);
    EXPECT_EQ(names, (std::vector<std::string>{"apple.jpg", "page 3.jpg", "page1.jpg", "Page2.jpg",
                                               "page2.jpg", "page02b.jpg", "page10.jpg"}));
}

}  // namespace

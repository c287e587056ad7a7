// What a run does with its command line, and what it leaves in the store.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/frmMain.h"
#include "settings/mdlINI.h"
#include "support/fake_platform.h"
#include "support/page_files.h"
#include "support/viewer_threads.h"
#include "ui/headless.h"

namespace {

// The names in `folder`, sorted.
std::vector<std::string> entriesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class StartupTest : public ::testing::Test {
protected:
    frmMain& start(const std::string& commandLine) {
        viewer.emplace(fake.platform, commandLine);
        ui::attachHeadless(*viewer, 792, 617);
        EXPECT_EQ(viewer->Form_Load(), frmMain::LoadOutcome::show);
        ui::show(*viewer);
        testsupport::settle(*viewer, fake.windowHook);
        return *viewer;
    }
    void storeAddressBar(const std::string& value) {
        mdlINI::saveSetting(fake.registry, "", "ADDRESS_BAR", value);
    }

    testsupport::FakePlatform fake;
    testsupport::PageFiles files{fake.root.path() / "my pages"};
    std::optional<frmMain> viewer;
};

TEST_F(StartupTest, PageImageOpensAtTheTopWithItsTitleAndCounter) {
    files.page("a.jpg", 40, 60);
    const std::string b = files.page("b.jpg", 300, 2000, "Second page", " https://b.example/ ");
    frmMain& form = start(b);
    EXPECT_TRUE(form.pictureLoaded());
    EXPECT_EQ(form.caption(), "Tessmire v1.2  b.jpg    [2/2]");
    EXPECT_EQ(form.lblTitle.caption(), "Second page");
    EXPECT_EQ(form.lblAddress.caption(), "https://b.example/");
    EXPECT_TRUE(form.scroll_v.visible());
    EXPECT_EQ(form.scroll_v.value(), 0);
    EXPECT_EQ(form.scroll_h.value(), 0);
    EXPECT_EQ(form.imgDisplay.top(), 0);
    EXPECT_TRUE(form.showInTaskbar());
    EXPECT_EQ(form.file_currDir.path(), files.windowsFolder());
}

TEST_F(StartupTest, QuotesAnywhereInTheCommandLineAreDropped) {
    const std::string page = files.page("a page.jpg");
    const std::string quotedInside =
        page.substr(0, page.size() - 6) + "\"" + page.substr(page.size() - 6);
    for (const std::string& command : {"\"" + page + "\"", page, quotedInside}) {
        frmMain& form = start(command);
        EXPECT_EQ(form.currentFileName(), "a page.jpg") << command;
        EXPECT_EQ(form.taggedCount(), 1) << command;
    }
}

TEST_F(StartupTest, PlainPictureWithoutAPreviousHandlerIsShownWithoutACounter) {
    const std::string plain = files.plain("photo.jpg");
    frmMain& form = start(plain);
    EXPECT_TRUE(form.pictureLoaded());
    EXPECT_EQ(form.caption(), "Tessmire v1.2  photo.jpg");
    EXPECT_EQ(form.lstFile.listCount(), 0);
    EXPECT_EQ(form.lblTitle.caption(), "");
}

TEST_F(StartupTest, EmptyCommandLineOpensTheEmptyViewer) {
    frmMain& form = start("");
    EXPECT_FALSE(form.pictureLoaded());
    EXPECT_EQ(form.caption(), "Tessmire v1.2");
    EXPECT_TRUE(form.addressBarShown());
}

TEST_F(StartupTest, StoredAddressBarChoiceIsReadAsANumber) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true}, {"1", true}, {"0", false}, {"abc", false}, {" 2", true}, {"0x1", false}};
    for (const auto& [stored, shown] : cases) {
        storeAddressBar(stored);
        frmMain& form = start("");
        EXPECT_EQ(form.addressBarShown(), shown) << '"' << stored << '"';
        EXPECT_EQ(form.frAddress.visible(), shown) << '"' << stored << '"';
    }
}

TEST_F(StartupTest, ClosingStoresTheAddressBarChoice) {
    storeAddressBar("0");
    frmMain& form = start("");
    form.Form_Unload();
    EXPECT_EQ(mdlINI::getSetting(fake.registry, "", "ADDRESS_BAR"), "0");
    form.setAddressBarShown(true);
    form.Form_Unload();
    EXPECT_EQ(mdlINI::getSetting(fake.registry, "", "ADDRESS_BAR"), "1");
}

TEST_F(StartupTest, TheViewersThreadsReportToTheWindowHookedOrNotAndEndWithItsUnload) {
    files.page("a.jpg");
    const std::string b = files.page("b.jpg", 300, 4000);
    const auto load = [&] {
        viewer.emplace(fake.platform, b);
        ui::attachHeadless(*viewer, 792, 617);
        EXPECT_EQ(viewer->Form_Load(), frmMain::LoadOutcome::show);
        EXPECT_TRUE(viewer->pictureDecoding() && viewer->folderScanning());
    };
    // Rows and count arrive with the system-menu hook gone (a handler of it failed).
    load();
    fake.windowHook.unhookWindow(0);
    testsupport::settle(*viewer, fake.windowHook);
    EXPECT_EQ(viewer->caption(), "Tessmire v1.2  b.jpg    [2/2]");

    load();
    viewer->Form_Unload();
    EXPECT_FALSE(viewer->pictureDecoding());
    EXPECT_FALSE(viewer->folderScanning());
}

TEST_F(StartupTest, MissingFileOpensTheEmptyViewerAfterSayingSo) {
    frmMain& form = start(files.path("gone.jpg"));
    EXPECT_FALSE(form.pictureLoaded());
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].title, "File missing!");
}

TEST_F(StartupTest, PictureThatCannotBeDecodedIsNamedInAMessageAndTheViewerStaysUsable) {
    const std::string cut = files.truncatedPage("cut.jpg");
    const std::string text = files.path("notes.jpg");
    std::ofstream(files.folder() / "notes.jpg") << "not a picture at all";
    for (const std::string& path : {cut, text}) {
        fake.dialogs.shown.clear();
        frmMain& form = start(path);
        EXPECT_FALSE(form.pictureLoaded());
        ASSERT_EQ(fake.dialogs.shown.size(), 1u);
        EXPECT_NE(fake.dialogs.shown[0].text.find(path), std::string::npos);
        EXPECT_EQ(form.caption(), "Tessmire v1.2");
        // The bar over the start-up picture names no file either.
        EXPECT_EQ(form.lblTitle.caption(), "");
        EXPECT_EQ(form.lblAddress.caption(), "");
        form.imgShrink.click();
        form.imgDown.click();
        form.showNext();
    }
}

TEST_F(StartupTest, FailingFolderEntryIsSkippedByTheScanAtStartUp) {
    files.page("a.jpg");
    std::ofstream(files.folder() / "b.jpg") << "the reader refuses this";
    const std::string c = files.page("c.jpg");
    frmMain& form = start(c);
    EXPECT_EQ(form.taggedCount(), 2);
    EXPECT_EQ(form.caption(), "Tessmire v1.2  c.jpg    [2/2]");
}

TEST_F(StartupTest, RelativePathIsTakenFromTheCurrentFolder) {
    files.page("a.jpg");
    files.page("b.jpg", 40, 60, "Second", "https://b/");
    std::string root = fake.root.path().string();
    std::replace(root.begin(), root.end(), '/', '\\');
    const std::pair<std::string, std::string> cases[] = {
        {files.windowsFolder(), "b.jpg"},
        {files.windowsFolder(), "\"b.jpg\""},
        {root, "my pages\\b.jpg"},
        {files.windowsFolder() + "\\sub", "..\\.\\b.jpg"},
    };
    for (const auto& [currentFolder, command] : cases) {
        SCOPED_TRACE(command);
        fake.files.setCurrentFolder(currentFolder);
        frmMain& form = start(command);
        EXPECT_EQ(form.caption(), "Tessmire v1.2  b.jpg    [2/2]");
        EXPECT_EQ(form.file_currDir.path(), files.windowsFolder());
        EXPECT_EQ(form.lblTitle.caption(), "Second");
        EXPECT_EQ(form.commandLine(), command);
    }
}

// The temporary folder is a folder like any other: nothing of the viewer's
// own comes or goes there.
TEST_F(StartupTest, PageImagesInTheTemporaryFolderAreReadWhereTheyLie) {
    const std::filesystem::path temp = fake.root.path() / "temp";
    const std::pair<testsupport::PageFiles, std::vector<std::string>> cases[] = {
        {testsupport::PageFiles(temp), {"ts.jpeg", "u.jpg"}},
        {testsupport::PageFiles(temp / "pages"), {"a.jpg", "b.jpg"}},
    };
    for (const auto& [folder, names] : cases) {
        SCOPED_TRACE(names[0]);
        for (const std::string& name : names) folder.page(name);
        const std::vector<uint8_t> bytes = testsupport::readAll(folder.folder() / names[0]);
        const std::vector<std::string> held = entriesOf(temp);

        frmMain& form = start(folder.path(names[0]));
        EXPECT_EQ(form.caption(), "Tessmire v1.2  " + names[0] + "    [1/2]");
        EXPECT_EQ(form.file_currDir.items(), names);
        EXPECT_EQ(testsupport::readAll(folder.folder() / names[0]), bytes);
        EXPECT_EQ(entriesOf(temp), held);
    }
}

}  // namespace

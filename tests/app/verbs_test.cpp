// The command-line verbs and the hand-off of files that are not page images.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/frmMain.h"
#include "assoc/mdlFileAssoc.h"
#include "settings/mdlINI.h"
#include "support/fake_platform.h"
#include "support/page_files.h"
#include "support/viewer_threads.h"
#include "ui/headless.h"

namespace {

using platform::kClassesRoot;
using platform::kLocalMachine;

class VerbsTest : public ::testing::Test {
protected:
    VerbsTest() {
        // Before the viewer: ".jpeg" opens with another program.
        fake.registry.putString(kLocalMachine, "Software\\Classes\\.jpeg", "", "jpegfile");
        fake.registry.putString(kLocalMachine, "Software\\Classes\\jpegfile\\shell\\open\\command",
                                "", "\"C:\\Photos\\photos.exe\" \"%1\"");
    }
    frmMain::LoadOutcome load(const std::string& commandLine) {
        viewer.emplace(fake.platform, commandLine);
        ui::attachHeadless(*viewer, 792, 617);
        const frmMain::LoadOutcome outcome = viewer->Form_Load();
        testsupport::settle(*viewer, fake.windowHook);
        return outcome;
    }
    std::string classOf(const std::string& extension) {
        return modRegDefault(kClassesRoot, extension);
    }
    std::string modRegDefault(platform::RegKey root, const std::string& key) {
        const auto value = fake.registry.value(root, key, "");
        // As stored, up to its terminating NUL.
        return value ? std::string(value->data.begin(),
                                   std::find(value->data.begin(), value->data.end(), 0))
                     : "<none>";
    }

    testsupport::FakePlatform fake;
    testsupport::PageFiles files{fake.root.path() / "f"};
    std::optional<frmMain> viewer;
};

TEST_F(VerbsTest, InstallAndUninstallEndTheRunWithoutAWindowAndGiveJpegBack) {
    EXPECT_EQ(load("install"), frmMain::LoadOutcome::endProcess);
    EXPECT_FALSE(viewer->showInTaskbar());
    EXPECT_GT(mdlFileAssoc::isAssociated(fake.registry, ".jpeg"), 0);
    EXPECT_GT(mdlFileAssoc::isAssociated(fake.registry, ".mire"), 0);
    EXPECT_EQ(mdlFileAssoc::isAssociated(fake.registry, ".mre"), 0) << "install leaves .mre alone";

    EXPECT_EQ(load("uninstall"), frmMain::LoadOutcome::endProcess);
    EXPECT_EQ(mdlFileAssoc::isAssociated(fake.registry, ".mire"), 0);
    EXPECT_EQ(mdlFileAssoc::isAssociated(fake.registry, ".jpeg"), 0);
    EXPECT_EQ(classOf(".jpeg"), "jpegfile");
    EXPECT_EQ(mdlINI::getSetting(fake.registry, "", "ADDRESS_BAR"), "") << "verbs store nothing";
    EXPECT_EQ(fake.registry.openHandleCount(), 0u);
}

TEST_F(VerbsTest, VerbsAreCaseSensitiveAndWhole) {
    for (const std::string command : {"Install", "INSTALL", "install ", "uninstall\t"}) {
        fake.dialogs.shown.clear();
        EXPECT_EQ(load(command), frmMain::LoadOutcome::show) << command;
        EXPECT_FALSE(viewer->pictureLoaded());
        ASSERT_EQ(fake.dialogs.shown.size(), 1u) << command;
        EXPECT_EQ(fake.dialogs.shown[0].title, "File missing!");
    }
    EXPECT_EQ(mdlFileAssoc::isAssociated(fake.registry, ".mire"), 0);
}

TEST_F(VerbsTest, PlainJpegGoesToThePreviousHandlerUnseen) {
    load("install");
    const std::string photo = files.plain("holiday photo.jpeg");
    mdlINI::saveSetting(fake.registry, "", "ADDRESS_BAR", "0");

    EXPECT_EQ(load("\"" + photo + "\""), frmMain::LoadOutcome::unloaded);
    ASSERT_EQ(fake.shell.startedProcesses.size(), 1u);
    // The saved command as it stands, its %1 replaced by the path.
    EXPECT_EQ(fake.shell.startedProcesses[0], "\"C:\\Photos\\photos.exe\" \"" + photo + "\"");
    EXPECT_FALSE(viewer->pictureLoaded());
    // A run that never showed its window keeps the user's choice of the address bar.
    EXPECT_EQ(mdlINI::getSetting(fake.registry, "", "ADDRESS_BAR"), "0");
}

TEST_F(VerbsTest, AProgramKnownOnlyByItsProgIdGetsThePhotoThroughTheShell) {
    // A command the install cannot read as text: the record keeps the ProgID alone.
    const std::string expandable = "%ProgramFiles%\\Photos\\photos.exe \"%1\"";
    fake.registry.putValue(kLocalMachine, "Software\\Classes\\jpegfile\\shell\\open\\command", "",
                           platform::kRegExpandSz, {expandable.begin(), expandable.end()});
    load("install");
    const std::string photo = files.plain("my photo.jpeg");
    for (const bool opens : {true, false}) {
        fake.shell.canOpenWithClass = opens;
        EXPECT_EQ(load(photo), opens ? frmMain::LoadOutcome::unloaded : frmMain::LoadOutcome::show);
        ASSERT_FALSE(fake.shell.classOpenings.empty());
        EXPECT_EQ(fake.shell.classOpenings.back().file, photo);
        EXPECT_EQ(fake.shell.classOpenings.back().progId, "jpegfile");
    }
    EXPECT_TRUE(fake.shell.startedProcesses.empty());
    // The shell could not open it: the user is told which program, and sees it here.
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_NE(fake.dialogs.shown[0].text.find("jpegfile"), std::string::npos);
    EXPECT_TRUE(viewer->pictureLoaded());
}

TEST_F(VerbsTest, PageImageIsNeverHandedOff) {
    load("install");
    const std::string page = files.page("page.jpeg");
    EXPECT_EQ(load(page), frmMain::LoadOutcome::show);
    EXPECT_TRUE(fake.shell.startedProcesses.empty());
    EXPECT_TRUE(viewer->pictureLoaded());
}

TEST_F(VerbsTest, PreviousHandlerThatCannotStartIsNamedAndThePictureShownHere) {
    load("install");
    fake.shell.canStartProcesses = false;
    const std::string photo = files.plain("photo.jpeg");
    EXPECT_EQ(load(photo), frmMain::LoadOutcome::show);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_NE(fake.dialogs.shown[0].text.find("photos.exe"), std::string::npos);
    EXPECT_TRUE(viewer->pictureLoaded());
    EXPECT_EQ(viewer->caption(), "Tessmire v1.2  photo.jpeg");
}

}  // namespace

// Taking ".jpeg" and ".jpg" over and giving them back, on the in-memory registry.

#include <string>

#include "assoc/assoc_fixture.h"
#include "assoc/mdlFileAssoc.h"
#include "settings/modReg.h"

namespace assoctest {
namespace {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;

TEST_F(AssocTest, InstallKeepsEveryReplacedHandlerAndUninstallRestoresTheMachineAsItWas) {
    installStockJpegHandler();
    installUserChoice();
    const auto before = snapshot();

    runInstall();
    EXPECT_EQ(text(kClassesRoot, ".jpeg", ""), "TessmireJpgFile");
    EXPECT_EQ(text(kCurrentUser, fileExtsJpeg, "Progid"), "TessmireJpgFile");
    EXPECT_EQ(text(kCurrentUser, fileExtsJpeg, "Application"), "<missing>");
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_ID"), "jpegfile");
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_SHELL"), photoViewerCommand);
    EXPECT_EQ(record("JPEG_HKCURR", "PROG_ID"), "PhotoStudio.Jpeg");
    EXPECT_EQ(record("JPEG_HKCURR", "PROG_SHELL"), studioCommand);
    EXPECT_EQ(record("JPEG_HKCURR", "APP_ID"), "mspaint.exe");
    EXPECT_EQ(record("JPEG_HKCURR", "APP_SHELL"), paintCommand);
    EXPECT_EQ(record("JPEG_HKLOCAL", "PROG_ID"), "");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 1);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 1);
    // The install verb leaves ".jpg" alone.
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpg"), 0);
    EXPECT_EQ(shell.associationNotices, 3);

    runUninstall();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 0);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 0);
    EXPECT_EQ(shell.associationNotices, 5);
}

TEST_F(AssocTest, SecondTakeOverKeepsTheFirstRecord) {
    installStockJpegHandler();
    installUserChoice();
    const auto before = snapshot();
    runInstall();
    const auto firstRecord = records();
    const int notices = shell.associationNotices;

    // Nothing foreign left: nothing is saved and the shell is not told.
    mdlFileAssoc::associateJpeg(registry, files, shell);
    EXPECT_EQ(records(), firstRecord);
    EXPECT_EQ(shell.associationNotices, notices);

    // Another program claims ".jpeg" in every place; taking it back must not
    // lose the handlers that were there before the viewer.
    registry.putString(kClassesRoot, ".jpeg", "", "OtherViewer.Jpeg");
    registry.putString(kCurrentUser, fileExtsJpeg, "Progid", "OtherViewer.Jpeg");
    registry.putString(kCurrentUser, fileExtsJpeg, "Application", "other.exe");
    mdlFileAssoc::associateJpeg(registry, files, shell);
    EXPECT_EQ(text(kClassesRoot, ".jpeg", ""), "TessmireJpgFile");
    EXPECT_EQ(text(kCurrentUser, fileExtsJpeg, "Progid"), "TessmireJpgFile");
    EXPECT_EQ(text(kCurrentUser, fileExtsJpeg, "Application"), "<missing>");
    EXPECT_EQ(records(), firstRecord);

    runUninstall();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(AssocTest, PerUserApplicationIsKeptWithTheCommandThatStartsIt) {
    const std::string program = dir.write("Photo Tool/tool.exe", "MZ");
    registry.putString(kLocalMachine,
                       "Software\\Classes\\Applications\\mspaint.exe\\shell\\open\\command", "",
                       paintCommand);
    registry.putString(kLocalMachine,
                       "Software\\Classes\\Applications\\editor.exe\\shell\\edit\\command", "",
                       "editor.exe /edit %1");
    const std::string rundll =
        "RunDll32.exe \"C:\\Program Files\\Photo\\PhotoViewer.dll\", ImageView_Fullscreen %1";
    struct Case {
        std::string application, command;
    };
    const Case cases[] = {
        {program, program},                                  // an existing program file
        {"\"" + program + "\"%1", "\"" + program + "\"%1"},  // quotes and "%1" do not hide it
        {rundll, rundll},                                    // a RUNDLL32 line, in any case
        {"mspaint.exe", std::string(paintCommand)},          // a registered application
        {"editor.exe", "editor.exe /edit %1"},               // ... with only an edit command
        {"C:\\missing\\gone.exe", ""},                       // neither
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.application);
        registry.putString(kCurrentUser, fileExtsJpg, "Application", c.application);
        mdlFileAssoc::associateJpg(registry, files, shell);
        EXPECT_EQ(record("JPG_HKCURR", "APP_ID"), c.application);
        EXPECT_EQ(record("JPG_HKCURR", "APP_SHELL"), c.command);
        EXPECT_EQ(text(kCurrentUser, fileExtsJpg, "Application"), "<missing>");
        EXPECT_EQ(text(kCurrentUser, fileExtsJpg, "Progid"), "TessmireJpgFile");

        mdlFileAssoc::unassociateJpg(registry, shell);
        EXPECT_EQ(text(kCurrentUser, fileExtsJpg, "Application"), c.application);
        // No ProgID was chosen before, so ours goes again.
        EXPECT_EQ(text(kCurrentUser, fileExtsJpg, "Progid"), "<missing>");
        EXPECT_EQ(record("JPG_HKCURR", "APP_ID"), "");
        EXPECT_EQ(record("JPG_HKCURR", "APP_SHELL"), "");
    }
}

TEST_F(AssocTest, OnlyPerUserAndMachinePlacesFallBackToTheEditCommand) {
    registry.putString(kLocalMachine, "Software\\Classes\\.jpeg", "", "Editor.Image");
    registry.putString(kLocalMachine, "Software\\Classes\\Editor.Image\\shell\\edit\\command", "",
                       "editor.exe %1");
    registry.putString(kCurrentUser, fileExtsJpeg, "Progid", "editor.image");

    mdlFileAssoc::associateJpeg(registry, files, shell);
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_ID"), "Editor.Image");
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_SHELL"), "");
    EXPECT_EQ(record("JPEG_HKCURR", "PROG_ID"), "editor.image");
    EXPECT_EQ(record("JPEG_HKCURR", "PROG_SHELL"), "editor.exe %1");
}

TEST_F(AssocTest, MachineClassKeyIsTakenOverAndGivenBackForItsOwnExtension) {
    installStockJpegHandler();
    // A per-user class key that already names the viewer, in its own letter case,
    // hides the machine's handler from the classes root.
    registry.putString(kCurrentUser, "Software\\Classes\\.jpg", "", "tessmirejpgfile");
    const auto before = snapshot();

    mdlFileAssoc::associateJpg(registry, files, shell);
    EXPECT_FALSE(registry.keyExists(kLocalMachine, "Software\\Classes\\.jpg"));
    EXPECT_EQ(record("JPG_HKROOT", "PROG_ID"), "");
    EXPECT_EQ(record("JPG_HKLOCAL", "PROG_ID"), "jpegfile");
    EXPECT_EQ(record("JPG_HKLOCAL", "PROG_SHELL"), photoViewerCommand);
    EXPECT_EQ(shell.associationNotices, 1);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpg"), 1);

    mdlFileAssoc::unassociateJpg(registry, shell);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(shell.associationNotices, 2);
}

// Windows writes a value through the classes root to the per-user key where
// one exists, even when the machine has the key too.
TEST_F(AssocTest, APerUserClassThatCannotBeClearedIsTakenOverAndGivenBackWhereItLives) {
    installStockJpegHandler();
    const std::string userJpeg = "Software\\Classes\\.jpeg";
    registry.putString(kCurrentUser, userJpeg, "", "OtherViewer.Jpeg");
    registry.putString(kCurrentUser, userJpeg + "\\OpenWithProgids", "OtherViewer.Jpeg", "");
    registry.putString(kLocalMachine, "Software\\Classes\\OtherViewer.Jpeg\\shell\\open\\command",
                       "", "other.exe \"%1\"");

    mdlFileAssoc::associateJpeg(registry, files, shell);
    EXPECT_EQ(text(kCurrentUser, userJpeg, ""), "TessmireJpgFile");
    EXPECT_EQ(text(kClassesRoot, ".jpeg", ""), "TessmireJpgFile");
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_ID"), "OtherViewer.Jpeg");
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_SHELL"), "other.exe \"%1\"");
    EXPECT_EQ(record("JPEG_HKLOCAL", "PROG_ID"), "jpegfile");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 1);

    mdlFileAssoc::unassociateJpeg(registry, shell);
    EXPECT_EQ(text(kCurrentUser, userJpeg, ""), "OtherViewer.Jpeg");
    EXPECT_EQ(text(kLocalMachine, "Software\\Classes\\.jpeg", ""), "jpegfile");
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_ID"), "");
    EXPECT_EQ(record("JPEG_HKLOCAL", "PROG_ID"), "");
}

TEST_F(AssocTest, WithNothingRegisteredTheClassRootStaysWithTheViewer) {
    mdlFileAssoc::associateJpeg(registry, files, shell);
    EXPECT_EQ(text(kClassesRoot, ".jpeg", ""), "TessmireJpgFile");
    EXPECT_EQ(record("JPEG_HKROOT", "PROG_ID"), "");
    EXPECT_EQ(shell.associationNotices, 1);

    // Nothing was kept, so there is nothing to give back and nothing to tell.
    mdlFileAssoc::unassociateJpeg(registry, shell);
    EXPECT_EQ(text(kClassesRoot, ".jpeg", ""), "TessmireJpgFile");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 1);
    EXPECT_EQ(shell.associationNotices, 1);
}

TEST_F(AssocTest, EitherTakeOverClearsThePerUserAndShellExtensionKeysOfJpeg) {
    const std::string_view userKeys[] = {
        "Software\\Classes\\jpegfile",
        "Software\\Classes\\.jpeg",
        "Software\\Classes\\SystemFileAssociations\\.jpeg",
    };
    for (const std::string_view key : userKeys) registry.putString(kCurrentUser, key, "", "x");
    // Kept: a key that still has subkeys, and the per-user class of ".jpg" itself.
    registry.putString(kLocalMachine, "Software\\Classes\\.jpeg\\ShellEx\\{e357fccd}", "", "x");
    registry.putString(kCurrentUser, "Software\\Classes\\.jpg", "", "userjpg");

    mdlFileAssoc::associateJpg(registry, files, shell);
    for (const std::string_view key : userKeys)
        EXPECT_FALSE(registry.keyExists(kCurrentUser, key)) << key;
    EXPECT_TRUE(registry.keyExists(kLocalMachine, "Software\\Classes\\.jpeg\\ShellEx"));
    EXPECT_EQ(record("JPG_HKROOT", "PROG_ID"), "userjpg");

    // The machine's shell-extension keys go through the classes root.
    modReg::deleteRegKey(registry, kLocalMachine, "Software\\Classes\\.jpeg\\ShellEx\\{e357fccd}");
    registry.putString(kLocalMachine, "Software\\Classes\\SystemFileAssociations\\.jpeg", "", "x");
    mdlFileAssoc::associateJpeg(registry, files, shell);
    EXPECT_FALSE(registry.keyExists(kLocalMachine, "Software\\Classes\\.jpeg\\ShellEx"));
    EXPECT_FALSE(
        registry.keyExists(kLocalMachine, "Software\\Classes\\SystemFileAssociations\\.jpeg"));
    EXPECT_TRUE(registry.keyExists(kLocalMachine, "Software\\Classes\\.jpeg"));
}

TEST_F(AssocTest, WithoutWriteAccessNothingChangesAndNothingIsReported) {
    installStockJpegHandler();
    installUserChoice();
    runInstall();
    const auto installed = snapshot();

    registry.setReadOnly(true);
    EXPECT_NO_THROW({
        runUninstall();
        mdlFileAssoc::unassociateJpg(registry, shell);
        mdlFileAssoc::unassociateMre(registry, shell);
        runInstall();
        mdlFileAssoc::associateJpg(registry, files, shell);
        mdlFileAssoc::associateMre(registry, shell);
    });
    EXPECT_EQ(snapshot(), installed);

    // The record survived, so the handlers still come back once writing is allowed.
    registry.setReadOnly(false);
    runUninstall();
    EXPECT_EQ(text(kClassesRoot, ".jpeg", ""), "jpegfile");
    EXPECT_EQ(text(kCurrentUser, fileExtsJpeg, "Application"), "mspaint.exe");
}

TEST_F(AssocTest, ReadOnlyMachineFromTheStart) {
    installStockJpegHandler();
    installUserChoice();
    const auto before = snapshot();
    registry.setReadOnly(true);
    EXPECT_NO_THROW(runInstall());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 0);
}

}  // namespace
}  // namespace assoctest

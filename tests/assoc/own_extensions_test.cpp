// The viewer's ProgIDs, its own extensions, and the association test.

#include <string>

#include "assoc/assoc_fixture.h"
#include "assoc/mdlFileAssoc.h"
#include "settings/modReg.h"

namespace assoctest {
namespace {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;

TEST_F(AssocTest, ProgIdsOpenWithTsviewerInTheRunningProgramsFolder) {
    installStockJpegHandler();
    shell.ownPath = "D:\\Apps\\Tess Viewer\\TSVIEW~1.EXE";
    mdlFileAssoc::registerProgIds(registry, shell);

    for (const std::string progId : {"tessmirefile", "tessmirejpgfile"}) {
        SCOPED_TRACE(progId);
        EXPECT_EQ(text(kClassesRoot, progId, ""), "Tessmire Image");
        EXPECT_EQ(text(kClassesRoot, progId + "\\shell\\open\\command", ""),
                  "\"D:\\Apps\\Tess Viewer\\tsviewer.exe\" %1");
        EXPECT_EQ(text(kClassesRoot, progId + "\\shell", ""), "open");
        // The icon of whatever opened JPEG files at the time.
        EXPECT_EQ(text(kClassesRoot, progId + "\\DefaultIcon", ""),
                  "C:\\Windows\\System32\\imageres.dll,-72");
    }
    EXPECT_EQ(shell.associationNotices, 1);

    shell.ownPath = "C:\\tsviewer.exe";
    EXPECT_EQ(mdlFileAssoc::viewerCommand(shell), "\"C:\\tsviewer.exe\" %1");
}

TEST_F(AssocTest, OwnExtensionsAreRegisteredAndRemovedEachOnItsOwn) {
    mdlFileAssoc::registerProgIds(registry, shell);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 0);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mre"), 0);

    mdlFileAssoc::associateMire(registry, shell);
    EXPECT_EQ(text(kLocalMachine, "Software\\Classes\\.mire", ""), "tessmirefile");
    EXPECT_EQ(text(kLocalMachine, "Software\\Classes\\.mire", "Content Type"), "image/jpeg");
    EXPECT_EQ(text(kLocalMachine, "Software\\Classes\\.mire", "PerceivedType"), "image");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 1);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mre"), 0);

    mdlFileAssoc::associateMre(registry, shell);
    mdlFileAssoc::unassociateMre(registry, shell);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mre"), 0);
    EXPECT_FALSE(registry.keyExists(kClassesRoot, ".mre"));
    // The shared ProgID has subkeys and stays, so ".mire" still opens.
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 1);
    EXPECT_EQ(text(kClassesRoot, "tessmirefile\\shell\\open\\command", ""),
              mdlFileAssoc::viewerCommand(shell));

    mdlFileAssoc::unassociateMire(registry, shell);
    EXPECT_FALSE(registry.keyExists(kClassesRoot, ".mire"));
    // Each of these operations always tells the shell.
    EXPECT_EQ(shell.associationNotices, 5);
}

TEST_F(AssocTest, UnregisteredExtensions) {
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpg"), 1);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 1);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 0);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mre"), 0);
    EXPECT_EQ(registry.openHandleCount(), 0u);
}

TEST_F(AssocTest, AnyOneForeignPlaceMeansJpegIsNotAssociated) {
    struct Place {
        platform::RegKey root;
        std::string_view key, name;
    };
    const Place places[] = {
        {kClassesRoot, ".jpeg", ""},
        {kLocalMachine, "Software\\Classes\\.jpeg", ""},
        {kCurrentUser, fileExtsJpeg, "Progid"},
        {kCurrentUser, fileExtsJpeg, "Application"},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(std::string(place.key) + "@" + std::string(place.name));
        modReg::setRegString(registry, place.root, place.key, place.name, "jpegfile");
        EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 0);
        // The viewer's ProgID in any letter case is no other handler.
        modReg::setRegString(registry, place.root, place.key, place.name, "TESSMIREJPGFILE");
        EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpeg"), 1);
        modReg::deleteRegValue(registry, place.root, place.key, place.name);
    }
}

TEST_F(AssocTest, OnlyLowerCaseJpegExtensionsAreJudgedAsJpeg) {
    registry.putString(kLocalMachine, "Software\\Classes\\.jpg", "", "TessmireJpgFile");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpg"), 1);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".JPG"), 0);

    registry.putString(kLocalMachine, "Software\\Classes\\.jpg", "", "TessmireFile");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".jpg"), 0);
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".JPG"), 1);
}

TEST_F(AssocTest, OwnExtensionMustNameTheViewerInBothPlaces) {
    registry.putString(kCurrentUser, "Software\\Classes\\.mire", "", "tessmirefile");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 0);
    registry.putString(kLocalMachine, "Software\\Classes\\.mire", "", "TESSMIREFILE");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 1);
    registry.putString(kCurrentUser, "Software\\Classes\\.mire", "", "otherfile");
    EXPECT_EQ(mdlFileAssoc::isAssociated(registry, ".mire"), 0);
}

}  // namespace
}  // namespace assoctest

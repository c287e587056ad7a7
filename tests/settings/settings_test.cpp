// The registry wrappers and the settings store, on the in-memory registry.

#include <gtest/gtest.h>

#include "settings/mdlINI.h"
#include "settings/modReg.h"
#include "support/memory_registry.h"

namespace {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;
using testsupport::MemoryRegistry;

std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

class SettingsTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(registry.openHandleCount(), 0u) << "a key was left open"; }
    MemoryRegistry registry;
};

const char* const userKey = "Software\\tessmire";
const char* const machineKey = "SOFTWARE\\tessmire";

TEST_F(SettingsTest, MissingValuesAndSectionsReadEmpty) {
    EXPECT_EQ(mdlINI::getSetting(registry, "Print", "orientation"), "");
    registry.putString(kCurrentUser, "Software\\tessmire\\Print", "color", "2");
    EXPECT_EQ(mdlINI::getSetting(registry, "Print", "orientation"), "");
    EXPECT_EQ(mdlINI::getSetting(registry, "Print", "color"), "2");
}

// A standard user may not write the machine's key: the settings live per user,
// and those an earlier version kept in the machine's key still count.
TEST_F(SettingsTest, UserSettingsComeFirstThenTheMachinesAndAreWrittenPerUserOnly) {
    registry.putString(kLocalMachine, machineKey, "ADDRESS_BAR", "0");
    registry.putString(kLocalMachine, "SOFTWARE\\tessmire\\Print", "color", "2");
    registry.setMachineReadOnly(true);
    EXPECT_EQ(mdlINI::getSetting(registry, "", "ADDRESS_BAR"), "0");

    mdlINI::saveSetting(registry, "", "ADDRESS_BAR", "1");
    mdlINI::saveSetting(registry, "Print", "orientation", "2");
    EXPECT_EQ(mdlINI::getSetting(registry, "", "ADDRESS_BAR"), "1");
    EXPECT_EQ(mdlINI::getSetting(registry, "Print", "orientation"), "2");
    EXPECT_EQ(mdlINI::getSetting(registry, "Print", "color"), "2");
    EXPECT_EQ(modReg::queryRegString(registry, kLocalMachine, machineKey, "ADDRESS_BAR"), "0");
    EXPECT_EQ(registry.value(kCurrentUser, userKey, "ADDRESS_BAR")->data,
              (std::vector<uint8_t>{'1', 0}));

    // The handlers' record is the machine's alone: a per-user value never stands in for it.
    registry.setMachineReadOnly(false);
    mdlINI::saveMachineSetting(registry, "JPEG_HKROOT", "PROG_ID", "jpegfile");
    registry.putString(kCurrentUser, "Software\\tessmire\\JPG_HKROOT", "PROG_ID", "planted");
    EXPECT_EQ(mdlINI::getMachineSetting(registry, "JPEG_HKROOT", "PROG_ID"), "jpegfile");
    EXPECT_EQ(mdlINI::getMachineSetting(registry, "JPG_HKROOT", "PROG_ID"), "");
    EXPECT_FALSE(registry.keyExists(kCurrentUser, "Software\\tessmire\\JPEG_HKROOT"));
}

TEST_F(SettingsTest, SaveInTheBaseSectionCreatesTheProductKeyAndStoresTextWithItsNul) {
    ASSERT_FALSE(registry.keyExists(kCurrentUser, userKey));
    mdlINI::saveSetting(registry, "", "ADDRESS_BAR", "1");

    const auto stored = registry.value(kCurrentUser, userKey, "ADDRESS_BAR");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, platform::kRegSz);
    EXPECT_EQ(stored->data, (std::vector<uint8_t>{'1', 0}));
    EXPECT_EQ(mdlINI::getSetting(registry, "", "ADDRESS_BAR"), "1");
}

TEST_F(SettingsTest, SavedValuesReadBackIdentically) {
    const std::vector<std::string> values = {"", "0", "By-Line:x# By-Title:*+*+*# Source: a ",
                                             "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"};
    for (const std::string& value : values) {
        mdlINI::saveSetting(registry, "Last Execute", "Tag", value);
        EXPECT_EQ(mdlINI::getSetting(registry, "Last Execute", "Tag"), value);
        // Multi-byte text is stored whole, and never as zero bytes.
        EXPECT_EQ(registry.value(kCurrentUser, "Software\\tessmire\\Last Execute", "Tag")->data,
                  bytesOf(value + '\0'));
    }
}

TEST_F(SettingsTest, KeyAndSectionNamesIgnoreLetterCase) {
    mdlINI::saveSetting(registry, "Last Execute", "Error", "x");
    EXPECT_EQ(mdlINI::getSetting(registry, "LAST execute", "error"), "x");
    mdlINI::saveSetting(registry, "last EXECUTE", "ERROR", "y");
    EXPECT_EQ(mdlINI::getSetting(registry, "Last Execute", "Error"), "y");
}

TEST_F(SettingsTest, TextWrittenByOthersIsCutAtItsFirstNul) {
    const std::string path = userKey;
    registry.putString(kCurrentUser, path, "withNul", "abc", true);
    registry.putString(kCurrentUser, path, "withoutNul", "abc",
                       false);  // as earlier versions wrote
    registry.putValue(kCurrentUser, path, "embedded", platform::kRegSz, {'a', 'b', 0, 'c', 'd', 0});
    registry.putValue(kCurrentUser, path, "onlyNul", platform::kRegSz, {0});
    EXPECT_EQ(mdlINI::getSetting(registry, "", "withNul"), "abc");
    EXPECT_EQ(mdlINI::getSetting(registry, "", "withoutNul"), "abc");
    EXPECT_EQ(mdlINI::getSetting(registry, "", "embedded"), "ab");
    EXPECT_EQ(mdlINI::getSetting(registry, "", "onlyNul"), "");
}

TEST_F(SettingsTest, ValuesOfOtherTypesReadEmpty) {
    const std::string path = userKey;
    registry.putValue(kCurrentUser, path, "expand", platform::kRegExpandSz, bytesOf("%TEMP%\0"));
    registry.putValue(kCurrentUser, path, "multi", platform::kRegMultiSz, bytesOf("a\0b\0\0"));
    registry.putValue(kCurrentUser, path, "number", platform::kRegDword, {1, 0, 0, 0});
    for (const char* name : {"expand", "multi", "number"}) {
        EXPECT_EQ(mdlINI::getSetting(registry, "", name), "") << name;
    }
}

TEST_F(SettingsTest, DefaultValueAndDeepKeysThroughTheWrappers) {
    modReg::setRegString(registry, kCurrentUser, "Software\\A\\B\\C", "", "default text");
    EXPECT_TRUE(registry.keyExists(kCurrentUser, "Software\\A\\B"));
    EXPECT_EQ(modReg::queryRegString(registry, kCurrentUser, "Software\\A\\B\\C", ""),
              "default text");
    EXPECT_EQ(modReg::queryRegString(registry, kCurrentUser, "Software\\A\\B\\C", "other"), "");
}

TEST_F(SettingsTest, DeleteKeyDoesNotRecurse) {
    modReg::setRegString(registry, kCurrentUser, "Software\\P\\Child", "v", "1");
    modReg::deleteRegKey(registry, kCurrentUser, "Software\\P");
    EXPECT_TRUE(registry.keyExists(kCurrentUser, "Software\\P\\Child"));

    modReg::deleteRegKey(registry, kCurrentUser, "Software\\P\\Child");
    modReg::deleteRegKey(registry, kCurrentUser, "Software\\P");
    EXPECT_FALSE(registry.keyExists(kCurrentUser, "Software\\P"));
}

TEST_F(SettingsTest, DeleteValueRemovesOneValueAndIgnoresWhatIsMissing) {
    modReg::setRegString(registry, kCurrentUser, "Software\\P", "a", "1");
    modReg::setRegString(registry, kCurrentUser, "Software\\P", "b", "2");
    modReg::deleteRegValue(registry, kCurrentUser, "Software\\P", "a");
    modReg::deleteRegValue(registry, kCurrentUser, "Software\\P", "a");
    modReg::deleteRegValue(registry, kCurrentUser, "Software\\Missing", "a");
    EXPECT_FALSE(registry.value(kCurrentUser, "Software\\P", "a").has_value());
    EXPECT_EQ(modReg::queryRegString(registry, kCurrentUser, "Software\\P", "b"), "2");
}

TEST_F(SettingsTest, CreateRegKeyMakesAnEmptyKey) {
    modReg::createRegKey(registry, kLocalMachine, "SOFTWARE\\Classes\\.mire");
    EXPECT_TRUE(registry.keyExists(kLocalMachine, "SOFTWARE\\Classes\\.mire"));
    EXPECT_TRUE(registry.keyExists(kClassesRoot, ".MIRE"));
}

TEST_F(SettingsTest, RefusedWritesChangeNothingAndReportNothing) {
    mdlINI::saveSetting(registry, "", "ADDRESS_BAR", "1");
    registry.setReadOnly(true);

    mdlINI::saveSetting(registry, "", "ADDRESS_BAR", "0");
    mdlINI::saveSetting(registry, "Print", "color", "1");
    modReg::deleteRegValue(registry, kCurrentUser, userKey, "ADDRESS_BAR");
    modReg::deleteRegKey(registry, kCurrentUser, userKey);
    modReg::deleteRegKey(registry, kCurrentUser, "Software");

    EXPECT_GT(registry.writeCallCount(), 0u);
    EXPECT_EQ(mdlINI::getSetting(registry, "", "ADDRESS_BAR"), "1");
    EXPECT_FALSE(registry.keyExists(kCurrentUser, "Software\\tessmire\\Print"));
}

// The association logic relies on the merged view behaving as Windows' does.
TEST_F(SettingsTest, ClassesRootPrefersThePerUserKeyAndWritesWhereTheKeyLives) {
    registry.putString(kLocalMachine, "Software\\Classes\\.jpg", "", "jpegfile");
    EXPECT_EQ(modReg::queryRegString(registry, kClassesRoot, ".jpg", ""), "jpegfile");
    // Only in the machine's classes: a write goes there.
    modReg::setRegString(registry, kClassesRoot, ".jpg", "Content Type", "image/jpeg");
    EXPECT_TRUE(registry.value(kLocalMachine, "Software\\Classes\\.jpg", "Content Type"));

    registry.putString(kCurrentUser, "Software\\Classes\\.jpg", "", "userfile");
    EXPECT_EQ(modReg::queryRegString(registry, kClassesRoot, ".jpg", ""), "userfile");
    // Present in both: a write goes to the per-user key, and reads back through the view.
    modReg::setRegString(registry, kClassesRoot, ".jpg", "", "tessmirejpgfile");
    EXPECT_EQ(modReg::queryRegString(registry, kCurrentUser, "Software\\Classes\\.jpg", ""),
              "tessmirejpgfile");
    EXPECT_EQ(modReg::queryRegString(registry, kLocalMachine, "Software\\Classes\\.jpg", ""),
              "jpegfile");
    EXPECT_EQ(modReg::queryRegString(registry, kClassesRoot, ".jpg", ""), "tessmirejpgfile");
    // New keys go to the machine's classes, also below a per-user one.
    registry.putString(kCurrentUser, "Software\\Classes\\userOnly", "", "a");
    modReg::setRegString(registry, kClassesRoot, "userOnly\\shell", "", "b");
    EXPECT_TRUE(registry.keyExists(kLocalMachine, "Software\\Classes\\userOnly\\shell"));
    modReg::setRegString(registry, kClassesRoot, "tessmirefile", "", "c");
    EXPECT_TRUE(registry.keyExists(kLocalMachine, "Software\\Classes\\tessmirefile"));
    EXPECT_FALSE(registry.keyExists(kCurrentUser, "Software\\Classes\\tessmirefile"));
    // A deletion through the view takes the per-user key, which uncovers the machine's.
    modReg::deleteRegKey(registry, kClassesRoot, ".jpg");
    EXPECT_EQ(modReg::queryRegString(registry, kClassesRoot, ".jpg", ""), "jpegfile");
}

TEST_F(SettingsTest, DeleteTreeTakesTheKeyWithEverythingBelowIt) {
    modReg::setRegString(registry, kClassesRoot, "tessmirefile\\shell\\open\\command", "", "x");
    registry.putString(kCurrentUser, "Software\\Classes\\tessmirefile\\DefaultIcon", "", "i");
    platform::ScopedRegKey open(registry);
    registry.openKey(kLocalMachine, "Software\\Classes\\tessmirefile\\shell", open.out());
    EXPECT_EQ(registry.deleteTree(kLocalMachine, "Software\\Classes\\tessmirefile"),
              platform::kErrorSuccess);
    EXPECT_FALSE(registry.keyExists(kLocalMachine, "Software\\Classes\\tessmirefile"));
    EXPECT_TRUE(registry.keyExists(kCurrentUser, "Software\\Classes\\tessmirefile"));
    EXPECT_EQ(open.close(), platform::kErrorInvalidHandle) << "a handle to a deleted key";
    EXPECT_EQ(registry.deleteTree(kLocalMachine, "Software\\Classes\\missing"),
              platform::kErrorFileNotFound);
}

TEST_F(SettingsTest, AKeyOwnerReusedOrMovedClosesEveryKeyOnce) {
    registry.putString(kCurrentUser, userKey, "", "x");
    platform::ScopedRegKey kept(registry);
    registry.openKey(kCurrentUser, userKey, kept.out());
    {
        platform::ScopedRegKey key(registry);
        registry.openKey(kCurrentUser, userKey, key.out());
        registry.openKey(kCurrentUser, userKey, key.out());
        EXPECT_EQ(registry.openHandleCount(), 2u) << "out() closes the key it held";
        kept = std::move(key);
        EXPECT_EQ(registry.openHandleCount(), 1u) << "the key an assignment replaces is closed";
    }
    EXPECT_EQ(registry.openHandleCount(), 1u) << "the moved-from owner closes nothing";
    EXPECT_EQ(kept.close(), platform::kErrorSuccess);
}

}  // namespace

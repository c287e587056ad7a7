// The registry wrappers and the settings store against the real registry of the
// test's own Wine prefix.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_registry.h"
#include "settings/mdlINI.h"
#include "settings/modReg.h"

namespace {

const std::string testSection = "test-" + std::to_string(GetCurrentProcessId());
const std::string testPath = "Software\\tessmire\\" + testSection;
const std::string machinePath = "SOFTWARE\\tessmire\\" + testSection;

class SettingsWin32Test : public ::testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, testPath.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, machinePath.c_str());
    }
    // Writes a value as another program would, bypassing the wrappers.
    void writeRaw(const char* name, DWORD type, const void* data, DWORD size) {
        platform::win32::ScopedHkey key;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, testPath.c_str(), key.out()), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }
    platform::Win32Registry registry;
};

TEST_F(SettingsWin32Test, SavedTextReadsBackWholeAndUnknownValuesReadEmpty) {
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "never"), "");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection + "-missing", "never"), "");

    mdlINI::saveSetting(registry, testSection, "Error", "IPTC:IPTC not found |Tag:By-Line:");
    mdlINI::saveSetting(registry, testSection, "Empty", "");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "Error"),
              "IPTC:IPTC not found |Tag:By-Line:");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "Empty"), "");
}

TEST_F(SettingsWin32Test, TextStoredByAnotherProgramWithItsNulReadsWithoutIt) {
    writeRaw("withNul", REG_SZ, "page\0", 5);
    writeRaw("embedded", REG_SZ, "ab\0cd\0", 6);
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "withNul"), "page");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "embedded"), "ab");
}

TEST_F(SettingsWin32Test, ExpandableAndNumericValuesReadEmpty) {
    writeRaw("expand", REG_EXPAND_SZ, "%TEMP%\0", 7);
    const DWORD number = 1;
    writeRaw("number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "expand"), "");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "number"), "");
}

TEST_F(SettingsWin32Test, KeyWithSubkeysIsNotDeletedAndValuesGoOneByOne) {
    modReg::setRegString(registry, platform::kCurrentUser, testPath + "\\Child", "v", "1");
    modReg::setRegString(registry, platform::kCurrentUser, testPath, "a", "2");
    modReg::deleteRegKey(registry, platform::kCurrentUser, testPath);
    EXPECT_EQ(modReg::queryRegString(registry, platform::kCurrentUser, testPath + "\\Child", "v"),
              "1");

    modReg::deleteRegValue(registry, platform::kCurrentUser, testPath, "a");
    modReg::deleteRegValue(registry, platform::kCurrentUser, testPath, "a");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "a"), "");
}

TEST_F(SettingsWin32Test, SettingsArePerUserOverTheMachinesAndTheRecordIsTheMachines) {
    mdlINI::saveMachineSetting(registry, testSection, "ADDRESS_BAR", "0");
    mdlINI::saveMachineSetting(registry, testSection, "PROG_ID", "jpegfile");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "ADDRESS_BAR"), "0");
    mdlINI::saveSetting(registry, testSection, "ADDRESS_BAR", "1");
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "ADDRESS_BAR"), "1");
    EXPECT_EQ(modReg::queryRegString(registry, platform::kLocalMachine, machinePath, "ADDRESS_BAR"),
              "0");
    EXPECT_EQ(mdlINI::getMachineSetting(registry, testSection, "PROG_ID"), "jpegfile");
    EXPECT_EQ(modReg::queryRegString(registry, platform::kCurrentUser, testPath, "PROG_ID"), "");
}

TEST_F(SettingsWin32Test, NonAsciiTextRoundTrips) {
    const std::string text = "Caf\xC3\xA9 \xE2\x80\x94 menu";  // "Café — menu"
    mdlINI::saveSetting(registry, testSection, "Title", text);
    EXPECT_EQ(mdlINI::getSetting(registry, testSection, "Title"), text);
}

}  // namespace

// The registry layer against the real registry, in throwaway keys named after
// the process and deleted afterwards.
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "platform/win32/scoped_handles.h"

namespace platform {
namespace {

using namespace std::string_literals;

std::string testKeyName() { return "tessmire-test-" + std::to_string(GetCurrentProcessId()); }

std::string_view asText(const uint8_t* data, uint32_t size) {
    return {reinterpret_cast<const char*>(data), size};
}
const uint8_t* asBytes(std::string_view text) {
    return reinterpret_cast<const uint8_t*>(text.data());
}

struct ReadValue {
    long status = -1;
    uint32_t type = kRegNone;
    std::string data;
};

// Reads a value the way the settings code does: size first, then the data.
ReadValue read(Registry& registry, RegKey key, std::string_view name) {
    ReadValue value;
    uint32_t size = 0;
    value.status = registry.queryValue(key, name, value.type, nullptr, size);
    if (value.status != kErrorSuccess) return value;
    std::vector<uint8_t> buffer(size, ' ');
    value.type = kRegNone;
    value.status = registry.queryValue(key, name, value.type, buffer.data(), size);
    value.data.assign(asText(buffer.data(), size));
    return value;
}

// A fresh key below HKEY_CURRENT_USER\Software, opened through the layer.
class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(registry_.createKeyEx(kCurrentUser, path_, kRegOptionNonVolatile, kKeyAllAccess,
                                        key_.out()),
                  kErrorSuccess);
    }
    void TearDown() override {
        key_.close();
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }

    // The same key opened directly, for writing as another program would.
    win32::ScopedHkey openDirectly() const {
        win32::ScopedHkey key;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_ALL_ACCESS, key.out()),
                  ERROR_SUCCESS);
        return key;
    }

    Win32Registry registry_;
    const std::string path_ = "Software\\" + testKeyName();
    ScopedRegKey key_{registry_};
};

TEST_F(Win32RegistryTest, TextWrittenWithoutNulReadsBackWhole) {
    ASSERT_EQ(registry_.setValue(key_.get(), "plain", kRegSz, asBytes("hello"), 5), kErrorSuccess);

    const ReadValue value = read(registry_, key_.get(), "plain");
    ASSERT_EQ(value.status, kErrorSuccess);
    EXPECT_EQ(value.type, kRegSz);
    // Wine stores a terminator of its own; anything past the text is NUL.
    EXPECT_EQ(value.data.substr(0, 5), "hello");
    EXPECT_EQ(value.data.find_first_not_of('\0', 5), std::string::npos);
}

TEST_F(Win32RegistryTest, NulsStoredByAnotherWriterAreHandedBack) {
    const std::string stored = "ab\0cd\0"s;
    {
        const win32::ScopedHkey direct = openDirectly();
        ASSERT_EQ(RegSetValueExA(direct.get(), "foreign", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(stored.data()),
                                 static_cast<DWORD>(stored.size())),
                  ERROR_SUCCESS);
    }
    const ReadValue value = read(registry_, key_.get(), "foreign");
    ASSERT_EQ(value.status, kErrorSuccess);
    EXPECT_EQ(value.type, kRegSz);
    EXPECT_EQ(value.data, stored);
}

TEST_F(Win32RegistryTest, OtherTypesAreReportedAsStored) {
    const std::string expandable = "%TEMP%\\x";
    ASSERT_EQ(registry_.setValue(key_.get(), "expand", kRegExpandSz, asBytes(expandable),
                                 static_cast<uint32_t>(expandable.size())),
              kErrorSuccess);
    const ReadValue expand = read(registry_, key_.get(), "expand");
    EXPECT_EQ(expand.type, kRegExpandSz);
    EXPECT_EQ(expand.data.substr(0, expandable.size()), expandable) << "expanded or cut";

    const uint32_t number = 0x12345678;
    ASSERT_EQ(registry_.setValue(key_.get(), "number", kRegDword,
                                 reinterpret_cast<const uint8_t*>(&number), sizeof number),
              kErrorSuccess);
    const ReadValue dword = read(registry_, key_.get(), "number");
    EXPECT_EQ(dword.type, kRegDword);
    ASSERT_EQ(dword.data.size(), sizeof number);
    uint32_t readBack = 0;
    std::copy(dword.data.begin(), dword.data.end(), reinterpret_cast<char*>(&readBack));
    EXPECT_EQ(readBack, number);
}

TEST_F(Win32RegistryTest, NonAsciiTextIsStoredAsTheSameCharacters) {
    // "Café фото 日本": more than any one ANSI code page holds.
    const std::string cafe =
        "Caf\xC3\xA9 \xD1\x84\xD0\xBE\xD1\x82\xD0\xBE \xE6\x97\xA5\xE6\x9C\xAC";
    ASSERT_EQ(registry_.setValue(key_.get(),
                                 "Gr\xC3\xBC\xC3\x9F"
                                 "e",
                                 kRegSz, asBytes(cafe), static_cast<uint32_t>(cafe.size())),
              kErrorSuccess);

    const ReadValue value = read(registry_, key_.get(),
                                 "Gr\xC3\xBC\xC3\x9F"
                                 "e");
    ASSERT_EQ(value.status, kErrorSuccess);
    EXPECT_EQ(value.data.substr(0, cafe.size()), cafe);
    EXPECT_EQ(value.data.find_first_not_of('\0', cafe.size()), std::string::npos);

    // Another program reading through the Unicode calls sees the same name and text.
    const win32::ScopedHkey direct = openDirectly();
    wchar_t text[32] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(RegQueryValueExW(direct.get(), L"Gr\u00FC\u00DFe", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, L"Caf\u00E9 \u0444\u043E\u0442\u043E \u65E5\u672C");
}

TEST_F(Win32RegistryTest, SizeIsCountedInTheBytesTheCallerReceives) {
    const std::string text = "\xC3\xA9t\xC3\xA9";  // "été": 3 ANSI bytes, 5 UTF-8 bytes
    ASSERT_EQ(registry_.setValue(key_.get(), "v", kRegSz, asBytes(text),
                                 static_cast<uint32_t>(text.size())),
              kErrorSuccess);

    uint32_t type = kRegNone;
    uint32_t needed = 0;
    ASSERT_EQ(registry_.queryValue(key_.get(), "v", type, nullptr, needed), kErrorSuccess);
    ASSERT_GE(needed, text.size());

    std::vector<uint8_t> buffer(needed);
    uint32_t size = needed - 1;
    EXPECT_EQ(registry_.queryValue(key_.get(), "v", type, buffer.data(), size), kErrorMoreData);
    EXPECT_EQ(size, needed);

    size = needed;
    ASSERT_EQ(registry_.queryValue(key_.get(), "v", type, buffer.data(), size), kErrorSuccess);
    EXPECT_EQ(size, needed);
    EXPECT_EQ(asText(buffer.data(), size).substr(0, text.size()), text);
}

TEST_F(Win32RegistryTest, KeyWithSubkeysIsNotDeleted) {
    const std::string parent = path_ + "\\parent";
    ScopedRegKey child(registry_);
    ASSERT_EQ(registry_.createKey(kCurrentUser, parent + "\\child", child.out()), kErrorSuccess);
    child.close();

    EXPECT_NE(registry_.deleteKey(kCurrentUser, parent), kErrorSuccess);
    ScopedRegKey stillThere(registry_);
    EXPECT_EQ(registry_.openKey(kCurrentUser, parent, stillThere.out()), kErrorSuccess);
    stillThere.close();

    EXPECT_EQ(registry_.deleteKey(kCurrentUser, parent + "\\child"), kErrorSuccess);
    EXPECT_EQ(registry_.deleteKey(kCurrentUser, parent), kErrorSuccess);
    ScopedRegKey gone(registry_);
    EXPECT_NE(registry_.openKey(kCurrentUser, parent, gone.out()), kErrorSuccess);
}

TEST_F(Win32RegistryTest, TreeIsDeletedWithEverythingBelowIt) {
    const std::string tree = path_ + "\\tree";
    for (const std::string& key : {tree, tree + "\\a\\b", tree + "\\c"}) {
        ScopedRegKey made(registry_);
        ASSERT_EQ(registry_.createKey(kCurrentUser, key, made.out()), kErrorSuccess);
        registry_.setValue(made.get(), "v", kRegSz, asBytes("x"), 1);
    }
    EXPECT_EQ(registry_.deleteTree(kCurrentUser, tree), kErrorSuccess);
    ScopedRegKey gone(registry_);
    EXPECT_EQ(registry_.openKey(kCurrentUser, tree, gone.out()), ERROR_FILE_NOT_FOUND);
    ScopedRegKey parent(registry_);
    EXPECT_EQ(registry_.openKey(kCurrentUser, path_, parent.out()), kErrorSuccess);
    EXPECT_EQ(registry_.deleteTree(kCurrentUser, tree), ERROR_FILE_NOT_FOUND);
}

TEST_F(Win32RegistryTest, MissingKeyFailsToOpenAndEveryCallOnItFails) {
    RegKey missing = 12345;
    EXPECT_NE(registry_.openKey(kCurrentUser, path_ + "\\missing", missing), kErrorSuccess);
    EXPECT_EQ(missing, 0U);

    uint32_t type = kRegNone;
    uint32_t size = 0;
    EXPECT_NE(registry_.queryValue(missing, "", type, nullptr, size), kErrorSuccess);
    EXPECT_EQ(type, kRegNone);
    EXPECT_NE(registry_.setValue(missing, "v", kRegSz, asBytes("x"), 1), kErrorSuccess);
}

TEST_F(Win32RegistryTest, DeletedValueIsGone) {
    ASSERT_EQ(registry_.setValue(key_.get(), "", kRegSz, asBytes("default"), 7), kErrorSuccess);
    EXPECT_EQ(read(registry_, key_.get(), "").status, kErrorSuccess);

    EXPECT_EQ(registry_.deleteValue(key_.get(), ""), kErrorSuccess);
    EXPECT_EQ(read(registry_, key_.get(), "").status, kErrorFileNotFound);
    EXPECT_NE(registry_.deleteValue(key_.get(), ""), kErrorSuccess);
}

TEST_F(Win32RegistryTest, EmptyTextIsStoredEmpty) {
    ASSERT_EQ(registry_.setValue(key_.get(), "empty", kRegSz, asBytes(""), 0), kErrorSuccess);
    const ReadValue value = read(registry_, key_.get(), "empty");
    ASSERT_EQ(value.status, kErrorSuccess);
    EXPECT_EQ(value.type, kRegSz);
    EXPECT_EQ(value.data.find_first_not_of('\0'), std::string::npos);
}

// Each predefined root reaches the platform's own key of that name.
struct Root {
    const char* name;
    RegKey key;
    HKEY native;
    const char* parent;
};
void PrintTo(const Root& root, std::ostream* out) { *out << root.name; }

class Win32RegistryRootTest : public ::testing::TestWithParam<Root> {
protected:
    void TearDown() override { RegDeleteTreeA(GetParam().native, path_.c_str()); }
    Win32Registry registry_;
    const std::string path_ = std::string(GetParam().parent) + testKeyName();
};

TEST_P(Win32RegistryRootTest, KeyWrittenThroughTheRootIsThePlatformsKey) {
    // The trailing backslash is how the settings store names its base key.
    ScopedRegKey key(registry_);
    ASSERT_EQ(registry_.createKey(GetParam().key, path_ + "\\", key.out()), kErrorSuccess);
    ASSERT_EQ(registry_.setValue(key.get(), "v", kRegSz, asBytes("root"), 4), kErrorSuccess);
    key.close();

    char text[16] = {};
    DWORD size = sizeof text - 1;
    ASSERT_EQ(
        RegGetValueA(GetParam().native, path_.c_str(), "v", RRF_RT_REG_SZ, nullptr, text, &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(text, "root");

    ScopedRegKey reopened(registry_);
    EXPECT_EQ(registry_.openKey(GetParam().key, path_, reopened.out()), kErrorSuccess);
    EXPECT_EQ(read(registry_, reopened.get(), "v").data.substr(0, 4), "root");
}

INSTANTIATE_TEST_SUITE_P(
    PredefinedRoots, Win32RegistryRootTest,
    ::testing::Values(Root{"CurrentUser", kCurrentUser, HKEY_CURRENT_USER, "Software\\"},
                      Root{"LocalMachine", kLocalMachine, HKEY_LOCAL_MACHINE, "SOFTWARE\\"},
                      Root{"ClassesRoot", kClassesRoot, HKEY_CLASSES_ROOT, ""}),
    [](const ::testing::TestParamInfo<Root>& root) { return std::string(root.param.name); });

}  // namespace
}  // namespace platform

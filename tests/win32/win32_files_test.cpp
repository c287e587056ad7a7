// The file layer against the real file system, in a folder of its own below the
// temporary folder.
#include "platform/win32/win32_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& path) { return win32::wideToUtf8(path.native()); }

void writeFile(const fs::path& path, std::string_view content) {
    const win32::ScopedFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << utf8(path);
    DWORD written = 0;
    ASSERT_NE(WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                        nullptr),
              FALSE);
}

std::string readFile(const fs::path& path) {
    const win32::ScopedFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                   nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return "<cannot open>";
    std::string content(4096, '\0');
    DWORD got = 0;
    if (!ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &got, nullptr)) {
        return "<cannot read>";
    }
    content.resize(got);
    return content;
}

// Runs `action` and gives the number of the AppError it throws, or 0.
template <typename Action>
int32_t errorNumberOf(Action&& action) {
    try {
        action();
    } catch (const base::AppError& error) {
        return error.number();
    }
    return 0;
}

class Win32FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int serial = 0;
        dir_ = fs::path(win32::utf8ToWide(files_.tempFolder())) /
               (L"tessmire-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serial));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        // Read-only, hidden and system files must be made plain before they delete.
        for (const auto& entry : fs::recursive_directory_iterator(dir_, ignored)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        fs::remove_all(dir_, ignored);
    }

    fs::path makeFile(const std::wstring& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL,
                      std::string_view content = "x") {
        fs::path path = dir_ / name;
        writeFile(path, content);
        EXPECT_TRUE(SetFileAttributesW(path.c_str(), attributes));
        return path;
    }
    std::vector<std::string> sortedList(const std::string& folder, std::string_view patterns) {
        std::vector<std::string> names = files_.list(folder, patterns);
        std::sort(names.begin(), names.end());
        return names;
    }

    Win32Files files_;
    fs::path dir_;
};

TEST_F(Win32FilesTest, ExistsCountsOnlyNormalFiles) {
    struct Case {
        std::wstring name;
        DWORD attributes;
        bool exists;
    };
    const Case cases[] = {
        {L"normal.jpg", FILE_ATTRIBUTE_NORMAL, true},
        {L"readonly.jpg", FILE_ATTRIBUTE_READONLY, true},
        {L"archive.jpg", FILE_ATTRIBUTE_ARCHIVE, true},
        {L"hidden.jpg", FILE_ATTRIBUTE_HIDDEN, false},
        {L"system.jpg", FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.name));
        EXPECT_EQ(files_.exists(utf8(makeFile(c.name, c.attributes))), c.exists);
    }
    fs::create_directory(dir_ / L"folder.jpg");
    EXPECT_FALSE(files_.exists(utf8(dir_ / L"folder.jpg")));
    EXPECT_FALSE(files_.exists(utf8(dir_ / L"missing.jpg")));
    EXPECT_FALSE(files_.exists(utf8(dir_ / L"missing" / L"normal.jpg")));
}

TEST_F(Win32FilesTest, WildcardExistsWhenAnyMatchIsNormal) {
    for (int i = 0; i < 5; ++i)
        makeFile(L"hidden" + std::to_wstring(i) + L".jpg", FILE_ATTRIBUTE_HIDDEN);
    fs::create_directory(dir_ / L"folder.jpg");
    EXPECT_FALSE(files_.exists(utf8(dir_ / L"*.jpg")));

    makeFile(L"plain.jpg");
    EXPECT_TRUE(files_.exists(utf8(dir_ / L"*.jpg")));
    EXPECT_TRUE(files_.exists(utf8(dir_ / L"pl?in.*")));
    EXPECT_FALSE(files_.exists(utf8(dir_ / L"hidden*")));
}

TEST_F(Win32FilesTest, PathsWithDoubledBackslashOrNonAsciiNamesAreFound) {
    makeFile(L"Caf\u00E9.jpg");
    const std::string name = "Caf\xC3\xA9.jpg";
    EXPECT_TRUE(files_.exists(utf8(dir_) + "\\" + name));
    EXPECT_TRUE(files_.exists(utf8(dir_) + "\\\\" + name));
    EXPECT_EQ(files_.list(utf8(dir_), "*.jpg"), std::vector<std::string>{name});
}

TEST_F(Win32FilesTest, CopyReplacesAnExistingFile) {
    const fs::path from = makeFile(L"from.jpg", FILE_ATTRIBUTE_NORMAL, "new content");
    const fs::path to = makeFile(L"to.jpg", FILE_ATTRIBUTE_NORMAL, "old");
    files_.copy(utf8(from), utf8(to));
    EXPECT_EQ(readFile(to), "new content");
    EXPECT_EQ(readFile(from), "new content");
}

TEST_F(Win32FilesTest, FailedCopiesThrowTheMatchingError) {
    const fs::path from = makeFile(L"from.jpg");
    EXPECT_EQ(
        errorNumberOf([&] { files_.copy(utf8(dir_ / L"missing.jpg"), utf8(dir_ / L"to.jpg")); }),
        base::error_number::fileNotFound);
    EXPECT_EQ(errorNumberOf([&] { files_.copy(utf8(from), utf8(dir_ / L"missing" / L"to.jpg")); }),
              base::error_number::pathNotFound);
    EXPECT_FALSE(fs::exists(dir_ / L"to.jpg"));
}

TEST_F(Win32FilesTest, RemoveDeletesAFileThatNoOneHoldsOpen) {
    const fs::path path = makeFile(L"gone.jpg");
    files_.remove(utf8(path));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(errorNumberOf([&] { files_.remove(utf8(path)); }), base::error_number::fileNotFound);
}

TEST_F(Win32FilesTest, RemoveOfAFileHeldOpenIsRefused) {
    const fs::path path = makeFile(L"held.jpg");
    const win32::ScopedFileHandle held(CreateFileW(path.c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                   OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(errorNumberOf([&] { files_.remove(utf8(path)); }),
              base::error_number::permissionDenied);
    EXPECT_TRUE(fs::exists(path));
}

TEST_F(Win32FilesTest, CreateEmptyMakesOrEmptiesAFile) {
    const fs::path made = dir_ / L"\u00DCn\u00EFc\u00F8d\u00E9 \u0436.html";
    const fs::path full = makeFile(L"full.html", FILE_ATTRIBUTE_NORMAL, "old content");
    for (const fs::path& path : {made, full}) {
        files_.createEmpty(utf8(path));
        EXPECT_EQ(readFile(path), "") << utf8(path);
    }
    EXPECT_EQ(errorNumberOf([&] { files_.createEmpty(utf8(dir_ / L"missing" / L"a.html")); }),
              base::error_number::pathNotFound);
}

TEST_F(Win32FilesTest, ListGivesEachMatchingNormalFileOnce) {
    makeFile(L"a.jpg");
    makeFile(L"b.jpeg");
    makeFile(L"C.JPG");
    makeFile(L"d.png");
    makeFile(L"hidden.jpg", FILE_ATTRIBUTE_HIDDEN);
    makeFile(L"readonly.jpeg", FILE_ATTRIBUTE_READONLY);
    fs::create_directory(dir_ / L"folder.jpg");

    const std::vector<std::string> expected = {"C.JPG", "a.jpg", "b.jpeg", "readonly.jpeg"};
    EXPECT_EQ(sortedList(utf8(dir_), "*.jpeg;*.jpg"), expected);
    // "a.jpg" matches two patterns and is still listed once.
    EXPECT_EQ(sortedList(utf8(dir_), "*.jpeg;*.jpg;a*;"), expected);
    // A folder given with its trailing backslash reads the same.
    EXPECT_EQ(sortedList(utf8(dir_) + "\\", "*.jpeg;*.jpg"), expected);

    EXPECT_TRUE(files_.list(utf8(dir_ / L"missing"), "*.jpg").empty());
    EXPECT_TRUE(files_.list(utf8(dir_), "*.tif").empty());
}

TEST_F(Win32FilesTest, FullPathMakesANameWholeAgainstTheCurrentFolder) {
    const fs::path sub = dir_ / L"sub";
    fs::create_directory(sub);
    const fs::path before = fs::current_path();
    fs::current_path(sub);
    const std::pair<std::string, std::string> cases[] = {
        {"page.jpg", utf8(sub) + "\\page.jpg"},
        {"..\\page.jpg", utf8(dir_) + "\\page.jpg"},
        {".\\deeper\\..\\Caf\xC3\xA9.jpg", utf8(sub) + "\\Caf\xC3\xA9.jpg"},
        {utf8(dir_) + "\\a.jpg", utf8(dir_) + "\\a.jpg"},
        {"", ""},
    };
    for (const auto& [path, full] : cases) EXPECT_EQ(files_.fullPath(path), full) << path;
    fs::current_path(before);
}

TEST_F(Win32FilesTest, TempFolderEndsWithABackslashAndIsAFolder) {
    const std::string folder = files_.tempFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    const DWORD attributes = GetFileAttributesW(win32::utf8ToWide(folder).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0U);
}

}  // namespace
}  // namespace platform

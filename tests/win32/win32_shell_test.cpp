// The shell's executable lookup and the maximized process start against the
// real thing, in a folder of their own below the temporary folder.
#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_files.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& path) { return win32::wideToUtf8(path.native()); }

// A test prefix maps no ".html", so the lookup is tried on a file kind
// registered here for the test, opened by cmd.exe.
constexpr wchar_t kTestKind[] = L".tsshelltest";
constexpr wchar_t kTestProgId[] = L"Tessmire.ShellTest";

void setDefault(const std::wstring& key, const std::wstring& value) {
    win32::ScopedHkey owned;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              owned.out(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(owned.get(), nullptr, 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

fs::path systemProgram(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return fs::path(folder) / name;
}

class Win32ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int serial = 0;
        dir_ = fs::path(win32::utf8ToWide(files_.tempFolder())) /
               (L"tessmire-shell-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serial));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kTestProgId);
        RegDeleteKeyW(HKEY_CLASSES_ROOT, kTestKind);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Registers the test kind; gives the program that opens it.
    static fs::path registerTestKind() {
        const fs::path cmd = systemProgram(L"cmd.exe");
        setDefault(kTestKind, kTestProgId);
        setDefault(std::wstring(kTestProgId) + L"\\shell\\open\\command",
                   L"\"" + cmd.native() + L"\" /c \"%1\"");
        return cmd;
    }

    Win32Shell shell_;
    Win32Files files_;
    fs::path dir_;
};

TEST_F(Win32ShellTest, FindExecutableGivesTheWholeBufferWithThePathBeforeTheNul) {
    const fs::path cmd = registerTestKind();
    const std::wstring probe = std::wstring(L"dummy") + kTestKind;

    // The folder as the browser search passes it: with its trailing backslash.
    for (const wchar_t* folderName : {L"plain", L"\u00DCn\u00EFc\u00F8d\u00E9 \u0436"}) {
        const fs::path folder = dir_ / folderName;
        fs::create_directories(folder);
        SCOPED_TRACE(utf8(folder));
        files_.createEmpty(utf8(folder / probe));

        const ExecutableSearch search = shell_.findExecutable(utf8(probe), utf8(folder) + "\\");
        EXPECT_GT(search.resultCode, 32);
        ASSERT_EQ(search.buffer.size(), size_t{MAX_PATH});
        const size_t end = search.buffer.find('\0');
        ASSERT_NE(end, std::string::npos) << "the path ends at a NUL";
        std::error_code ec;
        EXPECT_TRUE(fs::equivalent(win32::utf8ToWide(search.buffer.substr(0, end)), cmd, ec))
            << search.buffer.substr(0, end);
    }
}

TEST_F(Win32ShellTest, FindExecutableFailsForUnknownOrMissingFiles) {
    registerTestKind();
    files_.createEmpty(utf8(dir_ / L"probe.tsunknownkind"));
    for (const char* name : {"probe.tsunknownkind", "missing.tsshelltest"}) {
        EXPECT_LE(shell_.findExecutable(name, utf8(dir_) + "\\").resultCode, 32) << name;
    }
}

TEST_F(Win32ShellTest, StartMaximizedRunsTheProgramWithTheCommandLineUnchanged) {
    EXPECT_FALSE(shell_.startMaximized(utf8(dir_ / L"missing.exe"), " x"));

    // cmd.exe makes a file named on its command line; a name outside the ANSI
    // code page shows nothing was lost on the way.
    const fs::path made = dir_ / L"m\u00E4de \u0436.txt";
    ASSERT_TRUE(shell_.startMaximized(utf8(systemProgram(L"cmd.exe")),
                                      " /c type nul > \"" + utf8(made) + "\""));
    for (int waited = 0; waited < 200 && !fs::exists(made); ++waited) Sleep(50);
    EXPECT_TRUE(fs::exists(made));
}

}  // namespace
}  // namespace platform

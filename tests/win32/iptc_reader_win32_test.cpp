// The IPTC reader on Windows file names and Windows file locking.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "iptc/iptc_reader.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

namespace {

namespace fs = std::filesystem;

// A page image's header: SOI, one APP13 with the marker dataset, EOI.
const std::string pageHeader = std::string(
    "\xFF\xD8\xFF\xED\x00\x26Photoshop 3.0\0"
    "8BIM\x04\x04\x00\x00\x00\x00\x00\x0A"
    "\x1C\x02\x55\x00\x05*+*+*\xFF\xD9",
    44);

class IptcReaderWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("tsreader-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path write(const std::wstring& name) {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << pageHeader;
        return path;
    }
    fs::path folder;
};

TEST_F(IptcReaderWin32Test, ReadsFilesWithNamesOutsideTheAnsiCodePage) {
    const fs::path path = write(L"Seite \u00FC \u65E5\u672C.jpg");
    iptc::IptcReader reader;
    ASSERT_TRUE(reader.LoadFile(platform::win32::wideToUtf8(path.native())).ok());
    std::string marker;
    ASSERT_TRUE(reader.ByLineTitle(marker).ok());
    EXPECT_EQ(marker, "*+*+*");
}

TEST_F(IptcReaderWin32Test, FileLockedByAnotherProgramIsAccessDenied) {
    const fs::path path = write(L"locked.jpg");
    const platform::win32::ScopedFileHandle lock(CreateFileW(
        path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    iptc::IptcReader reader;
    EXPECT_EQ(reader.LoadFile(platform::win32::wideToUtf8(path.native())).code,
              iptc::status_code::accessDenied);
}

TEST_F(IptcReaderWin32Test, FolderIsNotAFile) {
    iptc::IptcReader reader;
    EXPECT_EQ(reader.LoadFile(platform::win32::wideToUtf8(folder.native())).code,
              iptc::status_code::fileNotFound);
}

}  // namespace

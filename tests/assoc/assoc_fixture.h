#pragma once
// A machine for the association tests: the in-memory registry, real files in a
// temporary folder, a recording shell, and a view of every registry value the
// associations touch, for before-and-after comparisons.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "support/local_files.h"
#include "support/memory_registry.h"
#include "support/recording_shell.h"
#include "support/temp_dir.h"

namespace assoctest {

inline constexpr std::string_view fileExtsJpeg =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.jpeg";
inline constexpr std::string_view fileExtsJpg =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.jpg";

// Commands of the stock handlers.
inline constexpr std::string_view photoViewerCommand =
    "rundll32.exe \"C:\\Program Files\\Photo\\PhotoViewer.dll\", ImageView_Fullscreen %1";
inline constexpr std::string_view studioCommand =
    "\"C:\\Program Files\\Photo Studio\\studio.exe\" \"%1\"";
inline constexpr std::string_view paintCommand = "\"C:\\Windows\\system32\\mspaint.exe\" \"%1\"";

class AssocTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(registry.openHandleCount(), 0u) << "a key was left open"; }

    // Both JPEG extensions open with "jpegfile" from the machine's classes.
    void installStockJpegHandler();
    // The user picked a ProgID and an application for ".jpeg" in Explorer.
    void installUserChoice();

    // What the command-line verbs run.
    void runInstall();
    void runUninstall();

    // The text of a REG_SZ value up to its NUL, "<missing>" or "<type N>".
    std::string text(platform::RegKey root, std::string_view path, std::string_view name) const;
    std::string record(std::string_view section, std::string_view key);
    // Every record key of both JPEG extensions.
    std::map<std::string, std::string> records();
    // Every value the associations read or write, with the record.
    std::map<std::string, std::string> snapshot();

    testsupport::MemoryRegistry registry;
    testsupport::TempDir dir{"tsassoc"};
    testsupport::LocalFiles files{dir.file("temp") + "/"};
    testsupport::RecordingShell shell;
};

}  // namespace assoctest

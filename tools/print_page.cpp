// print_page: the real viewer on a file, shown, then its print command, as the
// user gives it; the run ends when the command is done. For the end-to-end
// test of printing and its benchmark, until the viewer has a key for it.
//
//   print_page.exe [--shrink] [--measure REPORT] <file>
//
// --shrink shows the picture shrunk to the window first, so it prints on one
// sheet. --measure writes to REPORT the process's memory (private bytes)
// just before the command and its peak during it, in bytes:
// "before <n> peak <n> picture <bitmap bytes>". Exit code 0 when the viewer
// showed the file, 1 otherwise.

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "app/frmMain.h"
#include "app/win32/main_window_options.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/backend.h"

namespace {

size_t privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
}

// Runs `command`, sampling the private bytes every few milliseconds meanwhile.
template <typename Command>
std::pair<size_t, size_t> measured(Command&& command) {
    const size_t before = privateBytes();
    std::atomic<bool> done{false};
    std::atomic<size_t> peak{before};
    std::thread sampler([&] {
        while (!done) {
            peak = std::max(peak.load(), privateBytes());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    command();
    done = true;
    sampler.join();
    return {before, std::max(peak.load(), privateBytes())};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 2) return 2;
    bool shrink = false;
    std::wstring report;
    for (int i = 1; i + 1 < count; ++i) {
        const std::wstring option = arguments[i];
        if (option == L"--shrink") shrink = true;
        if (option == L"--measure" && i + 2 < count) report = arguments[++i];
    }
    const std::string file = platform::win32::wideToUtf8(arguments[count - 1]);
    LocalFree(arguments);

    platform::Win32Platform real;
    frmMain viewer(real.platform, "\"" + file + "\"");
    ui::win32::createWindow(viewer, app::mainWindowOptions());
    real.dialogs.setOwner(ui::win32::windowOf(viewer));
    if (viewer.Form_Load() != frmMain::LoadOutcome::show) return 1;
    ui::win32::showWindow(viewer, SW_SHOWNORMAL);
    if (shrink) viewer.imgShrink_Click();
    const auto [before, peak] = measured([&] { viewer.printPicture(); });
    if (!report.empty()) {
        if (FILE* out = _wfopen(report.c_str(), L"w")) {
            std::fprintf(out, "before %zu peak %zu picture %zu\n", before, peak,
                         size_t(viewer.pictureWidth()) * size_t(viewer.pictureHeight()) * 4);
            std::fclose(out);
        }
    }
    return viewer.pictureLoaded() ? 0 : 1;
}

// print_page: the real viewer on a file, shown, then its print command, as the
// user gives it; the run ends when the command is done. For the end-to-end
// test of printing and its benchmark, until the viewer has a key for it.
//
//   print_page.exe [--shrink] [--measure REPORT] <file>
//
// --shrink shows the picture shrunk to the window first, so it prints on one
// sheet. --measure writes to REPORT the process's working set and committed
// private bytes, each just before the command and at its peak during it, the
// picture's bitmap, all in bytes, and the milliseconds from the dialog's OK
// to the command's end: "set <before> <peak> committed <before> <peak>
// picture <n> job_ms <n>". Exit code 0 when the viewer showed the file, 1
// otherwise.

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

using Clock = std::chrono::steady_clock;

// The real dialogs, noting when the printer dialog was confirmed.
class TimedDialogs : public platform::Dialogs {
public:
    explicit TimedDialogs(platform::Dialogs& real) : real_(real) {}
    int messageBox(std::string_view text, std::string_view title, int style) override {
        return real_.messageBox(text, title, style);
    }
    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view preset) override {
        return real_.inputBox(prompt, title, preset);
    }
    std::string openFile(std::string_view title,
                         const std::vector<platform::FileType>& fileTypes) override {
        return real_.openFile(title, fileTypes);
    }
    std::string saveFile(std::string_view title,
                         const std::vector<platform::FileType>& fileTypes) override {
        return real_.saveFile(title, fileTypes);
    }
    bool showPrinter(platform::PrinterDialog& dialog) override {
        const bool confirmed = real_.showPrinter(dialog);
        confirmedAt = Clock::now();
        return confirmed;
    }
    Clock::time_point confirmedAt;

private:
    platform::Dialogs& real_;
};

// The process's memory now: its working set and its committed private bytes.
struct Memory {
    size_t workingSet = 0;
    size_t committed = 0;
};

Memory memoryNow() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {counters.WorkingSetSize, counters.PagefileUsage};
}

// Runs `command`, sampling the memory every few milliseconds meanwhile;
// returns the memory before it and the peaks during it.
template <typename Command>
std::pair<Memory, Memory> measured(Command&& command) {
    const Memory before = memoryNow();
    std::atomic<bool> done{false};
    Memory peak = before;
    const auto sample = [&peak] {
        const Memory now = memoryNow();
        peak.workingSet = std::max(peak.workingSet, now.workingSet);
        peak.committed = std::max(peak.committed, now.committed);
    };
    std::thread sampler([&] {
        while (!done) {
            sample();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    command();
    done = true;
    sampler.join();
    sample();
    return {before, peak};
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
    TimedDialogs dialogs(real.dialogs);
    platform::Platform timed{real.registry,   real.files,    real.clock, real.pictureCodec,
                             real.pictures,   real.shell,    dialogs,    real.printers,
                             real.windowHook, real.clipboard};
    frmMain viewer(timed, "\"" + file + "\"");
    ui::win32::createWindow(viewer, app::mainWindowOptions());
    real.dialogs.setOwner(ui::win32::windowOf(viewer));
    if (viewer.Form_Load() != frmMain::LoadOutcome::show) return 1;
    ui::win32::showWindow(viewer, SW_SHOWNORMAL);
    if (shrink) viewer.imgShrink_Click();
    const auto [before, peak] = measured([&] { viewer.printPicture(); });
    const auto jobTime =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - dialogs.confirmedAt);
    if (!report.empty()) {
        if (FILE* out = _wfopen(report.c_str(), L"w")) {
            std::fprintf(out, "set %zu %zu committed %zu %zu picture %zu job_ms %lld\n",
                         before.workingSet, peak.workingSet, before.committed, peak.committed,
                         size_t(viewer.pictureWidth()) * size_t(viewer.pictureHeight()) * 4,
                         static_cast<long long>(jobTime.count()));
            std::fclose(out);
        }
    }
    return viewer.pictureLoaded() ? 0 : 1;
}

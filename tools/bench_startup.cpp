// bench_startup: how fast the viewer starts and steps, for scripts/bench-startup.sh.
// A benchmark: it prints figures and asserts nothing.
//
//   bench_startup start VIEWER.exe [FILE]          one start in a process of its own
//   bench_startup verify HOLD VIEWER.exe [FILE]    the same, and checks the detection
//   bench_startup parts FILE ROUNDS                the pieces of a start with FILE
//   bench_startup step FILE STEPS                  next-picture steps from FILE
//   bench_startup bottom FILE                      to the end of FILE, and what shows there
//
// start: the time runs from just before CreateProcessW until the viewer's main
// window is shown and painted, seen from this process: WaitForInputIdle, then a
// poll (every millisecond) until a visible top-level window of the process has
// a caption that starts "Tessmire" (and names FILE when one is given) and
// neither it nor any window inside it has an update region left
// (GetUpdateRect). The viewer decodes the picture's first screen and sets the
// caption in its load, before it shows the window, so a shown window naming
// FILE already holds the rows it shows first; an empty update region then
// means its first WM_PAINTs have run. The peak memory of the process
// (GetProcessMemoryInfo on its handle: peak working set and peak pagefile
// usage) is read before the window is closed with WM_CLOSE, once it has
// stopped growing (the picture's lower rows are decoded after the first screen
// is painted); the process must then end by itself.
// Prints one line of key=value figures.
//
// verify: a start as above, but by the poll alone (no WaitForInputIdle), and
// then checks the detection: says how often the poll found the window shown
// but not yet painted, and whether a shown window ever lacked FILE's name;
// invalidates the viewer's windows from here, looks for the pending update
// region at once, and times until the viewer has painted it again. Keeps the
// window open HOLD milliseconds before closing it, so that the script can read
// the process's memory from outside meanwhile.
//
// parts, step and bottom run the real main window in this process, made as
// the program's entry makes it. parts times, ROUNDS times each, the pieces of
// a start with FILE: its tag check, scanFolder on its folder (and, beside it,
// the file copies an earlier scan made), opening it (first screen and layout)
// and the paint. step, loaded with FILE as its command line, clicks the
// next-picture button STEPS times, each timed from the click until the window
// has painted, and decodes each whole picture (and lists the folder) once more
// on its own, for comparison.
// bottom, loaded the same way, clicks the to-the-end button once, times it
// until the window has painted the picture's end (its rows arrive from the
// decoding thread), and checks that the vertical bar is at its maximum, that
// the picture's bottom is where the layout puts it, and that the frame's lowest
// row shows the picture row it should (its pixels read back from the window).

#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/frmMain.h"
#include "app/win32/main_window_options.h"
#include "platform/mdlGen.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/backend.h"
#include "ui/win32/work_times.h"

namespace {

using Clock = std::chrono::steady_clock;
using platform::win32::ScopedKernelHandle;
using platform::win32::wideToUtf8;

// Long enough for a 460 MB picture on a slow machine; a start that takes this
// long is a failure, not a figure.
constexpr DWORD startTimeoutMs = 120'000;
constexpr DWORD closeTimeoutMs = 30'000;
constexpr std::wstring_view captionStart = L"Tessmire";

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::wstring fileNameOf(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

// ---- Watching the viewer from outside ------------------------------------

std::wstring captionOf(HWND window) {
    // GetWindowTextW reads another process's caption without sending it a
    // message, so a busy viewer cannot stall the poll.
    std::wstring text(512, L'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}

struct WindowSearch {
    DWORD processId = 0;
    std::wstring_view fileName;  // empty: any caption of ours will do
    HWND found = nullptr;
    bool shownWithoutName = false;  // a caption of ours lacking fileName
};

BOOL CALLBACK considerWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
    const std::wstring caption = captionOf(window);
    if (!caption.starts_with(captionStart)) return TRUE;
    if (caption.find(search.fileName) == std::wstring::npos) {
        search.shownWithoutName = true;
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

BOOL CALLBACK findPendingChild(HWND child, LPARAM context) {
    if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
    *reinterpret_cast<bool*>(context) = true;
    return FALSE;
}

// Whether the window or any window inside it still waits for a WM_PAINT.
bool paintPending(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    bool pending = false;
    EnumChildWindows(window, findPendingChild, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

bool hasEnded(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

struct PaintWatch {
    HWND window = nullptr;  // null: the process ended or the time ran out
    int pendingPolls = 0;   // polls that found the window shown, not yet painted
    bool shownWithoutName = false;
};

PaintWatch waitUntilPainted(HANDLE process, DWORD processId, std::wstring_view fileName,
                            Clock::time_point deadline) {
    PaintWatch watch;
    while (Clock::now() < deadline && !hasEnded(process)) {
        WindowSearch search{processId, fileName};
        EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&search));
        watch.shownWithoutName = watch.shownWithoutName || search.shownWithoutName;
        if (search.found) {
            if (!paintPending(search.found)) {
                watch.window = search.found;
                return watch;
            }
            ++watch.pendingPolls;
        }
        Sleep(1);
    }
    return watch;
}

// ---- One start of the viewer ------------------------------------------------

// The viewer's process; one still running when this goes is ended, so a
// failed run leaves nothing behind.
class ViewerProcess {
public:
    ViewerProcess(const std::wstring& exe, const std::wstring& file) {
        std::wstring commandLine = L"\"" + exe + L"\"";
        if (!file.empty()) commandLine += L" \"" + file + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &info)) {
            return;
        }
        process_.reset(info.hProcess);
        thread_.reset(info.hThread);
        id_ = info.dwProcessId;
    }
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;
    ~ViewerProcess() {
        if (process_ && !hasEnded(process_.get())) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), closeTimeoutMs);
        }
    }

    bool started() const noexcept { return static_cast<bool>(process_); }
    HANDLE handle() const noexcept { return process_.get(); }
    DWORD id() const noexcept { return id_; }

    // Closes the window as the user would and waits for the process to end;
    // false when it does not end in time.
    bool close(HWND window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return WaitForSingleObject(process_.get(), closeTimeoutMs) == WAIT_OBJECT_0;
    }

private:
    ScopedKernelHandle process_;
    ScopedKernelHandle thread_;
    DWORD id_ = 0;
};

struct PeakMemory {
    size_t workingSet = 0;
    size_t pagefile = 0;
};

PeakMemory peakMemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return {};
    return {counters.PeakWorkingSetSize, counters.PeakPagefileUsage};
}

// The peak memory once the viewer has settled: the picture's lower rows are
// decoded after its first screen is painted, so the peak is read when it has
// not grown for a while.
PeakMemory settledPeakMemory(HANDLE process, Clock::time_point deadline) {
    constexpr auto settled = std::chrono::milliseconds(300);
    PeakMemory peak = peakMemoryOf(process);
    auto since = Clock::now();
    while (Clock::now() - since < settled && Clock::now() < deadline) {
        Sleep(10);
        const PeakMemory now = peakMemoryOf(process);
        if (now.workingSet != peak.workingSet || now.pagefile != peak.pagefile) {
            peak = now;
            since = Clock::now();
        }
    }
    return peak;
}

// Invalidates the viewer's windows from here and times until it has painted
// them again; -1 when no pending update region could be seen at all.
double repaintAfterInvalidation(HWND window, Clock::time_point deadline) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    if (!paintPending(window)) return -1;
    const auto start = Clock::now();
    while (paintPending(window) && Clock::now() < deadline) Sleep(1);
    return millisecondsSince(start);
}

int runStart(const std::wstring& exe, const std::wstring& file, bool verify, DWORD holdMs) {
    const std::wstring fileName = file.empty() ? std::wstring() : fileNameOf(file);
    const auto start = Clock::now();
    ViewerProcess viewer(exe, file);
    if (!viewer.started()) {
        std::fprintf(stderr, "bench_startup: cannot start the viewer (error %lu)\n",
                     GetLastError());
        return 1;
    }
    const auto deadline = start + std::chrono::milliseconds(startTimeoutMs);
    // The poll alone in verify, to show that it sees the window before its paint.
    if (!verify) WaitForInputIdle(viewer.handle(), startTimeoutMs);
    const double idleMs = millisecondsSince(start);
    const PaintWatch watch = waitUntilPainted(viewer.handle(), viewer.id(), fileName, deadline);
    const double shownMs = millisecondsSince(start);
    if (!watch.window) {
        std::fprintf(stderr, "bench_startup: no painted viewer window (%s)\n",
                     hasEnded(viewer.handle()) ? "the process ended" : "time ran out");
        return 1;
    }
    const PeakMemory peak = settledPeakMemory(viewer.handle(), deadline);
    std::printf("start_ms=%.1f idle_ms=%.1f peak_working_set=%zu peak_pagefile=%zu\n", shownMs,
                idleMs, peak.workingSet, peak.pagefile);
    if (verify) {
        const double repaintMs = repaintAfterInvalidation(watch.window, deadline);
        std::printf("pending_polls=%d shown_without_name=%d repaint_ms=%.1f\n", watch.pendingPolls,
                    watch.shownWithoutName ? 1 : 0, repaintMs);
        std::fflush(stdout);
        Sleep(holdMs);
    }
    if (!viewer.close(watch.window)) {
        std::fprintf(stderr, "bench_startup: the viewer did not end after WM_CLOSE\n");
        return 1;
    }
    return 0;
}

// ---- The main window in this process ----------------------------------------

// The main window loaded with `commandLine`, made, loaded and shown as the
// program's entry does it.
class InProcessViewer {
public:
    explicit InProcessViewer(const std::string& commandLine)
        : viewer_(real_.platform, commandLine) {
        ui::win32::createWindow(viewer_, app::mainWindowOptions());
    }

    frmMain& form() noexcept { return viewer_; }
    platform::Platform& platform() noexcept { return real_.platform; }

    void loadAndShow() {
        viewer_.Form_Load();
        ui::win32::showWindow(viewer_, SW_SHOWNORMAL);
        paint();
    }

    // Runs every pending WM_PAINT of the window and its children now, then
    // whatever else the step left queued.
    void paint() {
        RedrawWindow(ui::win32::windowOf(viewer_), nullptr, nullptr,
                     RDW_UPDATENOW | RDW_ALLCHILDREN);
        ui::win32::pumpMessages(viewer_);
    }

    // Waits, the window's messages handled, as a reader does between steps:
    // until the picture is whole and what a step may use is read ahead.
    void idle() {
        const auto until = Clock::now() + std::chrono::seconds(10);
        while (viewer_.pictureDecoding() && Clock::now() < until) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            ui::win32::pumpMessages(viewer_);
        }
        const auto readAhead = Clock::now() + std::chrono::milliseconds(100);
        while (Clock::now() < readAhead) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            ui::win32::pumpMessages(viewer_);
        }
    }

private:
    platform::Win32Platform real_;
    frmMain viewer_;
};

// What the scan spends on copying alone: every entry of the listing copied
// once to a file in the temporary folder, as an earlier scan did with long
// paths; kept to show what reading files where they lie saves.
double copyEveryEntryMs(platform::Platform& platform, const frmMain& form) {
    const std::string copy = platform.files.tempFolder() + "\\bench-startup-copy.jpg";
    const auto start = Clock::now();
    for (const std::string& name : form.file_currDir.items()) {
        if (platform.files.exists(copy)) platform.files.remove(copy);
        platform.files.copy(form.file_currDir.path() + "\\" + name, copy);
    }
    const double ms = millisecondsSince(start);
    if (platform.files.exists(copy)) platform.files.remove(copy);
    return ms;
}

// The pieces of a start with `file`, each timed on its own: the tag check of
// the file, the scan of its folder, the opening (decode and layout) and the
// paint; and, for comparison, the copies an earlier scan made. The window is shown,
// empty, before the first round.
int runParts(const std::string& file, int rounds) {
    InProcessViewer viewer("");
    frmMain& form = viewer.form();
    viewer.loadAndShow();
    const std::string folder = mdlGen::getFolder(file);
    std::vector<double> tagMs, scanMs, copyMs, openMs, paintMs;
    int16_t tagged = 0;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        form.isContainIPTC(file);
        tagMs.push_back(millisecondsSince(start));
        start = Clock::now();
        tagged = form.scanFolder(folder);
        scanMs.push_back(millisecondsSince(start));
        copyMs.push_back(copyEveryEntryMs(viewer.platform(), form));
        start = Clock::now();
        form.openPicture(file);
        form.layoutWindow();
        openMs.push_back(millisecondsSince(start));
        start = Clock::now();
        viewer.paint();
        paintMs.push_back(millisecondsSince(start));
    }
    std::printf("folder of %d entries, %d page images; scan worst %.1f ms of %d rounds\n",
                form.file_currDir.listCount(), tagged,
                *std::max_element(scanMs.begin(), scanMs.end()), rounds);
    std::printf("tag_ms=%.1f scan_ms=%.1f scan_copies_ms=%.1f open_ms=%.1f paint_ms=%.1f\n",
                median(tagMs), median(scanMs), median(copyMs), median(openMs), median(paintMs));
    return 0;
}

// Steps to the next picture `steps` times, each timed from the click until
// the window has painted, the window idle between them as a reader's is (the
// picture whole, its neighbours' first screens read ahead). Afterwards, to tell how much of a step
// they are, decodes each picture stepped to once more and lists the folder once more: not between
// the steps, where the extra picture would change which memory the next step finds free.
int runSteps(const std::string& file, int steps) {
    InProcessViewer viewer(file);
    frmMain& form = viewer.form();
    viewer.loadAndShow();
    std::vector<double> stepMs, clickMs, decodeMs, listMs;
    std::vector<std::string> shownFiles;
    std::string sizes;
    ui::win32::WorkTimes::take();
    for (int i = 0; i < steps; ++i) {
        viewer.idle();
        ui::win32::WorkTimes::enable(true);
        const auto start = Clock::now();
        form.imgNext.click();
        clickMs.push_back(millisecondsSince(start));
        viewer.paint();
        stepMs.push_back(millisecondsSince(start));
        ui::win32::WorkTimes::enable(false);
        char step[96];
        std::snprintf(step, sizeof step, "%s%dx%d %.0f ms (click %.0f)", sizes.empty() ? "" : ", ",
                      form.pictureWidth(), form.pictureHeight(), stepMs.back(), clickMs.back());
        sizes += step;
        shownFiles.push_back(form.file_currDir.path() + "\\" + form.currentFileName());
    }
    // Where a step's time went, in the window's work timed piece by piece
    // (the click's handler includes its own placements and caption).
    std::printf("a step, by piece (calls and ms a step, averaged over %d steps):\n", steps);
    std::printf("  click handler %.1f ms (median), paint pump %.1f ms (median)\n", median(clickMs),
                median(stepMs) - median(clickMs));
    for (const ui::win32::WorkTime& time : ui::win32::WorkTimes::take()) {
        std::printf("  %-28s %5.1f calls %6.2f ms\n", time.piece.c_str(),
                    static_cast<double>(time.calls) / steps, time.milliseconds / steps);
    }
    for (const std::string& shown : shownFiles) {
        auto start = Clock::now();
        viewer.platform().pictureCodec.decode(shown);
        decodeMs.push_back(millisecondsSince(start));
        // Opening a picture reads its folder's listing anew.
        start = Clock::now();
        viewer.platform().files.list(form.file_currDir.path(), form.file_currDir.pattern());
        listMs.push_back(millisecondsSince(start));
    }
    std::printf("pictures stepped to, click to painted: %s\n", sizes.c_str());
    std::printf(
        "step_median_ms=%.1f step_worst_ms=%.1f decode_median_ms=%.1f list_median_ms=%.1f "
        "steps=%d\n",
        median(stepMs), *std::max_element(stepMs.begin(), stepMs.end()), median(decodeMs),
        median(listMs), steps);
    return 0;
}

// How many pixels of picture row `row` the window shows at row `frameY` of
// the frame, of those inside the frame.
struct RowCheck {
    int matching = 0;
    int compared = 0;
};

RowCheck checkRowOnScreen(frmMain& form, int32_t row, int32_t frameY) {
    RowCheck check;
    const base::Picture& picture = form.imgDisplay.picture();
    const HWND box = ui::win32::windowOf(form.imgDisplay);
    const HWND frame = ui::win32::windowOf(form.frImage);
    if (!picture || !box || !frame || row < 0 || row >= picture->height()) return check;
    // The box's window covers only the part of the box inside the frame.
    POINT origin{0, 0};
    MapWindowPoints(box, frame, &origin, 1);
    RECT client{};
    GetClientRect(box, &client);
    const platform::win32::WindowDc dc(box);
    for (int x = client.left; x < client.right; ++x) {
        const int pictureX = x + origin.x - form.imgDisplay.left();
        if (pictureX < 0 || pictureX >= picture->width()) continue;
        const uint32_t wanted = picture->row(row)[pictureX] & 0xFFFFFF;
        const COLORREF shown = GetPixel(dc.get(), x, frameY - origin.y);
        const uint32_t shownRgb =
            (GetRValue(shown) << 16) | (GetGValue(shown) << 8) | GetBValue(shown);
        ++check.compared;
        if (shownRgb == wanted) ++check.matching;
    }
    return check;
}

// Clicks the to-the-end button once, timed from the click until the window
// has painted, and checks what the end shows. The vertical range runs over the
// frame beside the bars and the value maps to the top less 5 rows, so at the
// maximum the picture's last row is the frame's sixth row from the bottom,
// and the window must show it there.
int runBottom(const std::string& file) {
    constexpr int32_t scrolledTopMargin = 5;
    InProcessViewer viewer(file);
    frmMain& form = viewer.form();
    viewer.loadAndShow();
    const auto start = Clock::now();
    form.imgBottom.click();
    viewer.paint();
    // The end shows once the decoding thread has reached it and said so.
    while (form.pictureDecoding()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        viewer.paint();
    }
    const double bottomMs = millisecondsSince(start);

    const int32_t frameHeight = form.frImage.height();
    const int32_t bottom = form.imgDisplay.top() + form.imgDisplay.height();
    const int32_t expected = frameHeight - scrolledTopMargin;
    const int32_t lastRow = form.pictureHeight() - 1;
    const RowCheck row = checkRowOnScreen(form, lastRow, bottom - 1);
    std::printf(
        "picture %d x %d in a frame %d x %d: bar %d of %d; the picture's bottom at %d, "
        "where the layout puts it: %d\n",
        form.pictureWidth(), form.pictureHeight(), form.frImage.width(), frameHeight,
        form.scroll_v.value(), form.scroll_v.max(), bottom, expected);
    std::printf(
        "the picture's last row on screen at frame row %d: %d of %d pixels as in the picture\n",
        bottom - 1, row.matching, row.compared);
    std::printf(
        "bottom_ms=%.1f at_max=%d bottom_as_laid_out=%d last_row_in_frame=%d "
        "row_shown=%d\n",
        bottomMs, form.scroll_v.value() == form.scroll_v.max() ? 1 : 0, bottom == expected ? 1 : 0,
        bottom <= frameHeight ? 1 : 0, row.compared > 0 && row.matching == row.compared ? 1 : 0);
    return 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: bench_startup start VIEWER.exe [FILE]\n"
                 "       bench_startup verify HOLD_MS VIEWER.exe [FILE]\n"
                 "       bench_startup parts FILE ROUNDS\n"
                 "       bench_startup step FILE STEPS\n"
                 "       bench_startup bottom FILE\n");
    return 2;
}

int positive(const wchar_t* text) { return std::max(1, _wtoi(text)); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return usage();
    const std::wstring_view mode = argv[1];
    const std::wstring first = argv[2];
    const std::wstring second = argc > 3 ? argv[3] : L"";
    if (mode == L"start") return runStart(first, second, false, 0);
    if (mode == L"verify" && argc >= 4) {
        const std::wstring file = argc > 4 ? argv[4] : L"";
        return runStart(second, file, true, static_cast<DWORD>(_wtoi(argv[2])));
    }
    if (mode == L"parts" && argc == 4) return runParts(wideToUtf8(first), positive(argv[3]));
    if (mode == L"step" && argc == 4) return runSteps(wideToUtf8(first), positive(argv[3]));
    if (mode == L"bottom") return runBottom(wideToUtf8(first));
    return usage();
}

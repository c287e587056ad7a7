// bench_scroll: how long one page-down step takes in the real window, from the
// button's click to the frame repainted, through a tall page image.
//
//   bench_scroll FILE.jpg
//
// Opens FILE in the main window at its design size, then pages down from the
// top to the bottom one page at a time, timing each step with the window
// painted (UpdateWindow), and prints the median and the worst step. A
// benchmark: it prints figures and asserts nothing.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/frmMain.h"
#include "app/win32/main_window_options.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/backend.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_scroll FILE.jpg\n");
        return 2;
    }
    const std::string path = platform::win32::wideToUtf8(argv[1]);
    platform::Win32Platform real;
    frmMain viewer(real.platform, "");
    ui::win32::createWindow(viewer, app::mainWindowOptions());
    viewer.Form_Load();
    ui::win32::showWindow(viewer, SW_SHOWNORMAL);
    ui::win32::pumpMessages(viewer);

    const auto openStart = Clock::now();
    viewer.openPicture(path);
    viewer.layoutWindow();
    UpdateWindow(ui::win32::windowOf(viewer));
    ui::win32::pumpMessages(viewer);
    std::printf("opened %d x %d in %.1f ms\n", viewer.pictureWidth(), viewer.pictureHeight(),
                millisecondsSince(openStart));

    const HWND frame = ui::win32::windowOf(viewer.frImage);
    std::vector<double> steps;
    while (viewer.scroll_v.visible() && viewer.scroll_v.value() < viewer.scroll_v.max()) {
        const auto start = Clock::now();
        viewer.imgDown.click();
        UpdateWindow(frame);
        for (HWND child = GetWindow(frame, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            UpdateWindow(child);
        }
        steps.push_back(millisecondsSince(start));
        ui::win32::pumpMessages(viewer);
    }
    if (steps.empty()) {
        std::printf("the picture needs no scrolling in this window\n");
        return 0;
    }
    std::vector<double> sorted = steps;
    std::sort(sorted.begin(), sorted.end());
    std::printf("page-down steps: %zu, median %.2f ms, worst %.2f ms (goal: none over 16 ms)\n",
                sorted.size(), sorted[sorted.size() / 2], sorted.back());
    DestroyWindow(ui::win32::windowOf(viewer));
    return 0;
}

// bench_scroll: how long paging takes in the real window, from the page-down
// button's click, a Page Down key press or a wheel notch to the frame
// repainted, through a tall page image.
//
//   bench_scroll FILE.jpg
//
// Opens FILE in the main window at its design size, then pages down from the
// top to the bottom one page at a time with the button, and makes 40 Page
// Down presses and 40 wheel notches (back at the top, untimed, whenever the
// bottom is reached), timing each with the picture's frame painted
// (UpdateWindow). The scroll bar draws its new thumb in the next paint cycle;
// that redraw is timed on its own. It prints the median and the worst of
// each. A benchmark: it prints figures and asserts nothing.

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

// The frame and the picture inside it painted now.
void paintFrame(const frmMain& viewer) {
    const HWND frame = ui::win32::windowOf(viewer.frImage);
    UpdateWindow(frame);
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        UpdateWindow(child);
    }
}

void printFigures(const char* what, std::vector<double> steps, double goal) {
    if (steps.empty()) {
        std::printf("%s: the picture needs no scrolling in this window\n", what);
        return;
    }
    std::sort(steps.begin(), steps.end());
    std::printf("%s: %zu, median %.2f ms, worst %.2f ms (goal: none over %.0f ms)\n", what,
                steps.size(), steps[steps.size() / 2], steps.back(), goal);
}

// `count` timed steps of `step`, each to the frame repainted; back at the top
// between them when the bottom is reached.
template <typename Step>
std::vector<double> timedSteps(frmMain& viewer, int count, Step&& step) {
    std::vector<double> steps;
    viewer.scroll_v.setValue(0);
    ui::win32::pumpMessages(viewer);
    while (static_cast<int>(steps.size()) < count && viewer.scroll_v.visible()) {
        if (viewer.scroll_v.value() == viewer.scroll_v.max()) {
            viewer.scroll_v.setValue(0);
            paintFrame(viewer);
            ui::win32::pumpMessages(viewer);
        }
        const auto start = Clock::now();
        step();
        paintFrame(viewer);
        steps.push_back(millisecondsSince(start));
        ui::win32::pumpMessages(viewer);
    }
    return steps;
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

    std::vector<double> buttonSteps;
    while (viewer.scroll_v.visible() && viewer.scroll_v.value() < viewer.scroll_v.max()) {
        const auto start = Clock::now();
        viewer.imgDown.click();
        paintFrame(viewer);
        buttonSteps.push_back(millisecondsSince(start));
        ui::win32::pumpMessages(viewer);
    }
    printFigures("page-down button steps", buttonSteps, 16);

    const HWND window = ui::win32::windowOf(viewer);
    printFigures("Page Down presses",
                 timedSteps(viewer, 40,
                            [&] {
                                SendMessageW(window, WM_KEYDOWN, VK_NEXT, 1);
                                SendMessageW(window, WM_KEYUP, VK_NEXT, 1 | (3u << 30));
                            }),
                 16);
    printFigures("wheel notches",
                 timedSteps(viewer, 40,
                            [&] {
                                SendMessageW(window, WM_MOUSEWHEEL,
                                             MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
                            }),
                 5);
    const HWND bar = ui::win32::windowOf(viewer.scroll_v);
    printFigures("the scroll bar's own redraw",
                 timedSteps(viewer, 40,
                            [&] {
                                InvalidateRect(bar, nullptr, FALSE);
                                UpdateWindow(bar);
                            }),
                 16);
    DestroyWindow(ui::win32::windowOf(viewer));
    return 0;
}

#pragma once
// The main window as it is first made: the designed client area, in pixels of
// this screen. Shared by the program's entry and the benchmarks that run the
// real window.

#include "app/frmMain.h"
#include "base/rounding.h"
#include "ui/win32/backend.h"

namespace app {

inline ui::win32::WindowOptions mainWindowOptions() {
    const ui::win32::ScreenScale screen = ui::win32::screenScale();
    ui::win32::WindowOptions options;
    options.clientWidth =
        base::roundTo<int32_t>(frmMain::designClientWidthTwips / screen.twipsPerPixelX);
    options.clientHeight =
        base::roundTo<int32_t>(frmMain::designClientHeightTwips / screen.twipsPerPixelY);
    return options;
}

}  // namespace app

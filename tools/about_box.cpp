// about_box: the about box alone, on the real platform, for the end-to-end
// test and its screenshots. It runs until the box is closed.

#include <windows.h>

#include "about/frmAbout.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::Win32Platform real;
    frmAbout about(real.platform);
    // The box is the only window here, so closing it ends the run.
    ui::win32::WindowOptions options = ui::win32::designWindowOptions(about);
    options.mainWindow = true;
    about.Form_Load();
    ui::win32::createWindow(about, options);
    real.dialogs.setOwner(ui::win32::windowOf(about));
    about.show();
    return ui::win32::runMessageLoop(about);
}

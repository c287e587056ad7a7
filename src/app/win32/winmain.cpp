// The program's entry: builds the platform, loads the main window with the
// process's argument text, and runs its messages until it closes.

#include <windows.h>

#include <exception>
#include <string>

#include "app/frmMain.h"
#include "app/win32/command_line.h"
#include "app/win32/main_window_options.h"
#include "base/app_error.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/backend.h"

namespace {

using platform::win32::utf8ToWide;

constexpr int runtimeErrorExitCode = 1;

// An error no procedure traps ends the program, after telling the user.
int reportUntrapped(const std::wstring& text) {
    MessageBoxW(nullptr, text.c_str(), L"Tessmire", MB_OK | MB_ICONERROR);
    return runtimeErrorExitCode;
}

int run(platform::Platform& platform, platform::Win32Dialogs& dialogs, int showCommand) {
    const std::string commandLine =
        platform::win32::wideToUtf8(app::argumentText(GetCommandLineW()));
    frmMain viewer(platform, commandLine);

    ui::win32::WindowOptions options = app::mainWindowOptions();
    options.closing = [&viewer] { viewer.Form_Unload(); };
    ui::win32::createWindow(viewer, options);
    dialogs.setOwner(ui::win32::windowOf(viewer));

    switch (viewer.Form_Load()) {
        case frmMain::LoadOutcome::endProcess:
        case frmMain::LoadOutcome::unloaded:  // the load ran the unload itself
            return 0;
        case frmMain::LoadOutcome::show:
            break;
    }
    ui::win32::showWindow(viewer, showCommand);
    return ui::win32::runMessageLoop(viewer);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    platform::Win32Platform real;
    try {
        return run(real.platform, real.dialogs, showCommand);
    } catch (const base::AppError& error) {
        return reportUntrapped(L"Run-time error '" + std::to_wstring(error.number()) + L"':\n\n" +
                               utf8ToWide(error.description()));
    } catch (const std::exception& error) {
        return reportUntrapped(L"Run-time error:\n\n" + utf8ToWide(error.what()));
    }
}

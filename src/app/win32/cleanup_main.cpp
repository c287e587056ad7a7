// tscleanup.exe: run by the uninstaller after "tsviewer.exe uninstall", before
// the program's files go. It removes what the verb leaves naming the viewer
// (see mdlFileAssoc::removeLeftovers), shows nothing and always ends with 0:
// an uninstall must not stop half-way over a value it could not delete.

#include <windows.h>

#include "assoc/mdlFileAssoc.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::Win32Registry registry;
    platform::Win32Shell shell;
    mdlFileAssoc::removeLeftovers(registry, shell);
    return 0;
}

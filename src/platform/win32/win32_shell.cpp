#include "platform/win32/win32_shell.h"

// <windows.h> must come before the shell headers.
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

namespace platform {

namespace {

// Starts a program with no handles of ours; `application` may be null, when
// the command line's first word names the program. The started program is on
// its own: nothing waits for it.
bool startProgram(const wchar_t* application, std::string_view commandLine, WORD show,
                  DWORD creationFlags) {
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring command = win32::utf8ToWide(commandLine);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(application, command.data(), nullptr, nullptr, FALSE, creationFlags,
                        nullptr, nullptr, &startup, &process)) {
        return false;
    }
    const win32::ScopedKernelHandle processHandle(process.hProcess);
    const win32::ScopedKernelHandle threadHandle(process.hThread);
    return true;
}

}  // namespace

ExecutableSearch Win32Shell::findExecutable(std::string_view file, std::string_view directory) {
    // The whole buffer is handed back, so callers see what the call left beyond the path.
    std::wstring found(MAX_PATH, L' ');
    const auto result = reinterpret_cast<intptr_t>(FindExecutableW(
        win32::utf8ToWide(file).c_str(), win32::utf8ToWide(directory).c_str(), found.data()));
    return {result, win32::wideToUtf8(found)};
}

bool Win32Shell::startProcess(std::string_view commandLine) {
    return startProgram(nullptr, commandLine, SW_SHOWNORMAL, 0);
}

bool Win32Shell::openWithClass(std::string_view file, std::string_view progId) {
    const std::wstring path = win32::utf8ToWide(file);
    const std::wstring className = win32::utf8ToWide(progId);
    SHELLEXECUTEINFOW execute = {};
    execute.cbSize = sizeof execute;
    // No dialog of the shell's own: a failure is the caller's to tell. The
    // call returns only once the request is handed over, as the process ends
    // soon after.
    execute.fMask = SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    execute.lpFile = path.c_str();
    execute.lpClass = className.c_str();
    execute.nShow = SW_SHOWNORMAL;
    // Handlers that open through COM need it on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const bool opened = ShellExecuteExW(&execute) != FALSE;
    if (SUCCEEDED(com)) CoUninitialize();
    return opened;
}

bool Win32Shell::startMaximized(std::string_view application, std::string_view commandLine) {
    const std::wstring program = win32::utf8ToWide(application);
    return startProgram(program.c_str(), commandLine, SW_SHOWMAXIMIZED, NORMAL_PRIORITY_CLASS);
}

intptr_t Win32Shell::shellExecute(std::string_view verb, std::string_view file,
                                  std::string_view parameters, std::string_view directory) {
    return reinterpret_cast<intptr_t>(
        ShellExecuteA(nullptr, win32::utf8ToAnsi(verb).c_str(), win32::utf8ToAnsi(file).c_str(),
                      win32::utf8ToAnsi(parameters).c_str(), win32::utf8ToAnsi(directory).c_str(),
                      SW_SHOWNORMAL));
}

void Win32Shell::notifyAssociationChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void Win32Shell::addToRecentDocuments(std::string_view file) {
    recentDocuments_.add(win32::utf8ToWide(file));
}

std::string Win32Shell::executablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return win32::wideToUtf8({buffer.data(), length});
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace platform

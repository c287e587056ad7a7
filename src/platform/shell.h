#pragma once
// The shell and processes, as the program uses them. Text is UTF-8; the Win32
// implementation hands it to the A-calls in the ANSI code page, except where a
// call below says it uses the W-call.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The result of looking up the program that opens a file.
struct ExecutableSearch {
    intptr_t resultCode = 0;
    std::string buffer;
};

class Shell {
public:
    virtual ~Shell() = default;

    // FindExecutable on `file` in `directory`: the call's result (above 32 when
    // found) and its whole 260-character result buffer as the call left it
    // (filled with spaces beforehand; the path ends at the first NUL). The W-call,
    // so a folder named outside the ANSI code page is found.
    virtual ExecutableSearch findExecutable(std::string_view file, std::string_view directory) = 0;
    // Starts `commandLine` as a new process whose window opens normally and
    // takes the focus; neither waits for it nor keeps its handles. False when
    // the process could not be started. The W-call.
    virtual bool startProcess(std::string_view commandLine) = 0;
    // Starts the program at `application` with exactly `commandLine` as its
    // command line (the program's name is not added), maximized, at normal
    // priority, inheriting no handles, in the caller's environment and folder.
    // Neither waits for it nor keeps its handles; true when it was started. The
    // W-call, so no text is lost to the ANSI code page.
    virtual bool startMaximized(std::string_view application, std::string_view commandLine) = 0;
    // ShellExecuteA with SW_SHOWNORMAL; returns its result (above 32 on success).
    virtual intptr_t shellExecute(std::string_view verb, std::string_view file,
                                  std::string_view parameters, std::string_view directory) = 0;
    // Opens `file` with the default verb of the ProgID `progId`, as Explorer
    // would (ShellExecuteExW with SEE_MASK_CLASSNAME): a command, DDE, a
    // DelegateExecute handler or a packaged app alike. True when it started.
    virtual bool openWithClass(std::string_view file, std::string_view progId) = 0;
    // SHChangeNotify(SHCNE_ASSOCCHANGED): tells the shell the associations changed.
    virtual void notifyAssociationChanged() = 0;
    // Adds `file` to the user's recent documents (the taskbar button's jump
    // list, Explorer's recent files) without waiting for the shell; nothing
    // is told when it refuses.
    virtual void addToRecentDocuments(std::string_view file) = 0;
    // The full path of the running executable.
    virtual std::string executablePath() = 0;
};

}  // namespace platform

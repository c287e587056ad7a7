#pragma once
// The shell and processes, as the program uses them. Text is UTF-8; the Win32
// implementation hands it to the A-calls in the ANSI code page.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;

    // FindExecutableA: the program that opens `file` (which must exist), or ""
    // when there is none.
    virtual std::string findExecutable(std::string_view file) = 0;
    // Starts `commandLine` as a new process whose window opens normally and
    // takes the focus; neither waits for it nor keeps its handles. False when
    // the process could not be started.
    virtual bool startProcess(std::string_view commandLine) = 0;
    // ShellExecuteA with SW_SHOWNORMAL; returns its result (above 32 on success).
    virtual intptr_t shellExecute(std::string_view verb, std::string_view file,
                                  std::string_view parameters, std::string_view directory) = 0;
    // SHChangeNotify(SHCNE_ASSOCCHANGED): tells the shell the associations changed.
    virtual void notifyAssociationChanged() = 0;
    // The full path of the running executable.
    virtual std::string executablePath() = 0;
};

}  // namespace platform

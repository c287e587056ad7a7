#pragma once

#include "platform/shell.h"

namespace platform {

// The shell through shell32 and kernel32.
class Win32Shell : public Shell {
public:
    ExecutableSearch findExecutable(std::string_view file, std::string_view directory) override;
    bool startProcess(std::string_view commandLine) override;
    bool startMaximized(std::string_view application, std::string_view commandLine) override;
    intptr_t shellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                          std::string_view directory) override;
    bool openWithClass(std::string_view file, std::string_view progId) override;
    void notifyAssociationChanged() override;
    std::string executablePath() override;
};

}  // namespace platform

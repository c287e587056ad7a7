#pragma once

#include "platform/shell.h"
#include "platform/win32/recent_documents.h"

namespace platform {

// The shell through shell32 and kernel32; the recent documents are told on a
// thread of their own.
class Win32Shell : public Shell {
public:
    ExecutableSearch findExecutable(std::string_view file, std::string_view directory) override;
    bool startProcess(std::string_view commandLine) override;
    bool startMaximized(std::string_view application, std::string_view commandLine) override;
    intptr_t shellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                          std::string_view directory) override;
    bool openWithClass(std::string_view file, std::string_view progId) override;
    void notifyAssociationChanged() override;
    void addToRecentDocuments(std::string_view file) override;
    std::string executablePath() override;

private:
    win32::RecentDocuments recentDocuments_;
};

}  // namespace platform

#pragma once
// A shell that records what it was asked and answers as it was told.

#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace testsupport {

class RecordingShell : public platform::Shell {
public:
    platform::ExecutableSearch findExecutable(std::string_view file,
                                              std::string_view directory) override {
        findExecutableCalls.push_back({std::string(file), std::string(directory)});
        return executableSearch;
    }
    bool startProcess(std::string_view commandLine) override {
        startedProcesses.emplace_back(commandLine);
        return canStartProcesses;
    }
    bool startMaximized(std::string_view application, std::string_view commandLine) override {
        maximizedStarts.push_back({std::string(application), std::string(commandLine)});
        return canStartMaximized;
    }
    intptr_t shellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                          std::string_view directory) override {
        shellExecuteCalls.push_back({std::string(verb), std::string(file), std::string(parameters),
                                     std::string(directory)});
        return shellExecuteResult;
    }
    bool openWithClass(std::string_view file, std::string_view progId) override {
        classOpenings.push_back({std::string(file), std::string(progId)});
        return canOpenWithClass;
    }
    void notifyAssociationChanged() override { ++associationNotices; }
    void addToRecentDocuments(std::string_view file) override {
        recentDocuments.emplace_back(file);
    }
    std::string executablePath() override { return ownPath; }

    // Answers.
    platform::ExecutableSearch executableSearch;
    bool canStartProcesses = true;
    bool canStartMaximized = true;
    bool canOpenWithClass = true;
    intptr_t shellExecuteResult = 42;
    std::string ownPath = "C:\\Program Files\\Tessmire\\tsviewer.exe";

    // What was asked.
    struct ShellExecuteCall {
        std::string verb, file, parameters, directory;
    };
    struct FindExecutableCall {
        std::string file, directory;
    };
    struct MaximizedStart {
        std::string application, commandLine;
    };
    std::vector<FindExecutableCall> findExecutableCalls;
    std::vector<std::string> startedProcesses;
    std::vector<MaximizedStart> maximizedStarts;
    std::vector<ShellExecuteCall> shellExecuteCalls;
    struct ClassOpening {
        std::string file, progId;
    };
    std::vector<ClassOpening> classOpenings;
    int associationNotices = 0;
    std::vector<std::string> recentDocuments;
};

}  // namespace testsupport

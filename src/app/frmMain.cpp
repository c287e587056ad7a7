#include "app/frmMain.h"

#include <utility>

frmMain::frmMain(platform::Platform& platform, std::string commandLine)
    : platform_(platform), commandLine_(std::move(commandLine)) {}

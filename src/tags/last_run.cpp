// The last-run record: the latest tag check that found no page image.

#include "app/frmMain.h"
#include "settings/mdlINI.h"

void frmMain::logRun(const std::string& commandLine, const std::string& errorText) {
    // Four separate writes, each reporting nothing: a store that cannot be
    // written simply keeps no record.
    platform::Registry& registry = platform_.registry;
    const std::string_view section = mdlINI::lastExecuteSection;
    mdlINI::saveSetting(registry, section, "Time", platform_.clock.timeOfDay());
    mdlINI::saveSetting(registry, section, "Command", commandLine);
    mdlINI::saveSetting(registry, section, "Tag", lastTagSummary_);
    mdlINI::saveSetting(registry, section, "Error", errorText);
}

// The last-run record: the latest tag check that found no page image.

#include "settings/mdlINI.h"
#include "tags/tag_check.h"

namespace tags {

void TagCheck::logRun(const std::string& commandLine, const std::string& errorText) {
    // Four separate writes, each reporting nothing: a store that cannot be
    // written simply keeps no record.
    const std::string_view section = mdlINI::lastExecuteSection;
    mdlINI::saveSetting(registry_, section, "Time", clock_.timeOfDay());
    mdlINI::saveSetting(registry_, section, "Command", commandLine);
    mdlINI::saveSetting(registry_, section, "Tag", lastSummary_);
    mdlINI::saveSetting(registry_, section, "Error", errorText);
}

}  // namespace tags

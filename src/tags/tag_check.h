#pragma once
// The tag check: the one gate between a file and the viewer. It reads a
// file's page record and keeps the last-run record of every check that found
// no page image; it shows nothing, and the window shows what it returns.

#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/registry.h"
#include "tags/page_tags.h"

namespace tags {

class TagCheck {
public:
    // The registry and clock outlive the check.
    TagCheck(platform::Registry& registry, platform::Clock& clock)
        : registry_(registry), clock_(clock) {}

    // The file's record when it carries the page marker. Otherwise nothing,
    // and the check is kept in the last-run record under `commandLine`.
    // Traps every error of the check itself.
    std::optional<PageRecord> check(const std::string& path, const std::string& commandLine);

    // The summary of the last file read (TagSummary); "" before any.
    const std::string& lastSummary() const noexcept { return lastSummary_; }

    // Overwrites the last-run record with this check's command line and error.
    void logRun(const std::string& commandLine, const std::string& errorText);

private:
    platform::Registry& registry_;
    platform::Clock& clock_;
    std::string lastSummary_;
};

}  // namespace tags

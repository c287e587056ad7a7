#include "tags/tag_check.h"

#include "base/app_error.h"

namespace tags {

std::optional<PageRecord> TagCheck::check(const std::string& path, const std::string& commandLine) {
    std::optional<std::string> summary;
    try {
        PageRecord record = readPageRecord(path);
        summary = tagSummary(record);
        const bool isPage = isTagMarker(record.marker);
        // The record still holds the previous check's summary as "Tag".
        if (!isPage) logRun(commandLine, "IPTC:IPTC not found |Tag:" + *summary);
        lastSummary_ = *summary;
        if (!isPage) return std::nullopt;
        return record;
    } catch (const base::AppError& error) {
        logRun(commandLine, "IPTC error(" + std::to_string(error.number()) +
                                "):" + error.description() + "|Tag:" + summary.value_or(""));
        return std::nullopt;
    }
}

}  // namespace tags

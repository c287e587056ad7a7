// The tag check: the one gate between a file and the viewer.

#include <optional>

#include "app/frmMain.h"
#include "base/app_error.h"
#include "base/text.h"
#include "tags/page_tags.h"

bool frmMain::isContainIPTC(const std::string& jpg_filepath) {
    std::optional<std::string> summary;
    try {
        const tags::PageRecord record = tags::readPageRecord(jpg_filepath);
        summary = tags::tagSummary(record);

        const bool isPage = tags::isTagMarker(record.marker);
        if (!isPage) {
            // The record still holds the previous check's summary as "Tag".
            logRun(commandLine_, "IPTC:IPTC not found |Tag:" + *summary);
        } else {
            lblTitle.setCaption(record.title);
            // Shown as it will be sent: no control may make it read as another.
            lblAddress.setCaption(base::withBidiControlsEncoded(base::trimBlanks(record.address)));
        }
        lastTagSummary_ = *summary;
        return isPage;
    } catch (const base::AppError& error) {
        logRun(commandLine_, "IPTC error(" + std::to_string(error.number()) +
                                 "):" + error.description() + "|Tag:" + summary.value_or(""));
        return false;
    }
}

// The tag check: the one gate between a file and the viewer.

#include <optional>

#include "app/frmMain.h"
#include "base/app_error.h"
#include "base/text.h"
#include "iptc/iptc_reader.h"
#include "nav/mdlGen.h"
#include "net/mdlNet.h"
#include "tags/iptc_status.h"
#include "tags/page_tags.h"

namespace {

// Paths this long or longer are read from a temporary copy.
constexpr size_t longPathLength = 26;
constexpr std::string_view tempCopyName = "\\ts.jpeg";

tags::PageRecord readPageRecord(const std::string& path) {
    iptc::IptcReader reader;
    tags::raiseOnFailure(reader.Delimiter("\r\n"));
    tags::raiseOnFailure(reader.LoadFile(path));
    tags::PageRecord record;
    tags::raiseOnFailure(reader.ByLine(record.title));
    tags::raiseOnFailure(reader.ByLineTitle(record.marker));
    tags::raiseOnFailure(reader.Source(record.address));
    return record;
}

}  // namespace

bool frmMain::isContainIPTC(const std::string& jpg_filepath) {
    std::optional<std::string> summary;
    try {
        std::string readPath = jpg_filepath;
        const std::string tempFolder = mdlNet::getTempFolder(platform_.files);
        if (jpg_filepath.size() >= longPathLength) {
            const std::string copyPath = tempFolder + std::string(tempCopyName);
            if (mdlGen::fileExists(platform_.files, copyPath)) platform_.files.remove(copyPath);
            platform_.files.copy(jpg_filepath, copyPath);
            readPath = copyPath;
        }

        const tags::PageRecord record = readPageRecord(readPath);
        summary = tags::tagSummary(record);

        const bool isPage = tags::isTagMarker(record.marker);
        if (!isPage) {
            // The record still holds the previous check's summary as "Tag".
            logRun(commandLine_, "IPTC:IPTC not found |Tag:" + *summary);
        } else {
            lblTitle.setCaption(record.title);
            lblAddress.setCaption(base::trimBlanks(record.address));
        }
        lastTagSummary_ = *summary;
        return isPage;
    } catch (const base::AppError& error) {
        logRun(commandLine_, "IPTC error(" + std::to_string(error.number()) +
                                 "):" + error.description() + "|Tag:" + summary.value_or(""));
        return false;
    }
}

// The folder listing, the page images found in it, and the caption's counter.

#include <algorithm>
#include <optional>

#include "app/frmMain.h"
#include "base/rounding.h"
#include "base/text.h"
#include "iptc/iptc_reader.h"
#include "nav/mdlGen.h"
#include "nav/natural_order.h"
#include "net/mdlNet.h"
#include "tags/iptc_status.h"
#include "tags/page_tags.h"

namespace {

// Paths this long or longer are read from a temporary copy.
constexpr size_t longPathLength = 26;

// The folder as a file list reports it: no trailing backslash, except for a
// drive root such as "C:\".
std::string reportedFolder(const std::string& folder) {
    if (folder.size() <= 3 || folder.back() != '\\') return folder;
    return folder.substr(0, folder.size() - 1);
}

// Index of `name` in `names`, letter case ignored, or -1. Indexes are 16-bit:
// a name found past 32767 raises overflow (6).
int16_t indexIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    const std::string wanted = base::upperCase(name);
    for (size_t i = 0; i < names.size(); ++i) {
        if (base::upperCase(names[i]) == wanted) return base::roundTo<int16_t>(i);
    }
    return -1;
}

}  // namespace

void frmMain::setListingFolder(const std::string& folder) {
    std::vector<std::string> names = platform_.files.list(folder, file_currDir.pattern());
    std::sort(names.begin(), names.end(), nav::naturalLess);
    file_currDir.setListing(reportedFolder(folder), std::move(names));
}

int16_t frmMain::scanFolder(const std::string& folder, ScanFailures failures) {
    if (!platform_.files.anyEntry(folder)) return 0;
    lstFile.clear();
    const std::string tempFolder = mdlNet::getTempFolder(platform_.files);
    setListingFolder(folder);

    int16_t count = 0;
    std::optional<iptc::IptcReader> reader;  // made at the first entry, kept for the scan
    for (const std::string& name : file_currDir.items()) {
        try {
            std::string path = folder;
            path.append("\\").append(name);
            const std::string extension = mdlGen::getExtension(path);
            if (path.size() >= longPathLength) {
                const std::string copy = std::string(tempFolder).append("\\ts.").append(extension);
                if (mdlGen::fileExists(platform_.files, copy)) platform_.files.remove(copy);
                platform_.files.copy(path, copy);
                path = copy;
            }
            if (!reader) reader.emplace();
            tags::raiseOnFailure(reader->Delimiter("\r\n"));
            tags::raiseOnFailure(reader->LoadFile(path));
            std::string marker;
            tags::raiseOnFailure(reader->ByLineTitle(marker));
            if (tags::isTagMarker(marker)) {
                // The count is 16-bit: the 32768th page image raises overflow
                // (6), a failing entry like any other.
                count = base::roundTo<int16_t>(count + 1);
                lstFile.addItem(name);
            }
        } catch (const base::AppError&) {
            if (failures == ScanFailures::propagate) throw;
        }
    }
    return count;
}

int16_t frmMain::findListedIndex() const {
    return indexIgnoringCase(file_currDir.items(), currentFileName_);
}

int16_t frmMain::findTaggedIndex(const std::string& name) const {
    return indexIgnoringCase(lstFile.items(), name);
}

void frmMain::updateTitle() {
    std::string caption = std::string(productCaption) + "  " + currentFileName_;
    const int16_t index = findTaggedIndex(currentFileName_);
    if (index >= 0) {
        caption += "    [" + std::to_string(index + 1) + "/" + std::to_string(taggedCount_) + "]";
    }
    setCaption(std::move(caption));
}

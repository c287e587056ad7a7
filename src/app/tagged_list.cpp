// The folder listing, the page images found in it, and the caption's counter.

#include <algorithm>
#include <limits>

#include "app/frmMain.h"
#include "base/name_case.h"
#include "base/rounding.h"
#include "nav/mdlGen.h"
#include "nav/natural_order.h"
#include "tags/page_tags.h"

namespace {

// Index of `name` in `names`, letter case ignored as Windows ignores it in
// file names, or -1. Indexes are 16-bit: a name found past 32767 raises
// overflow (6).
int16_t indexIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    const std::string wanted = base::upperCaseName(name);
    for (size_t i = 0; i < names.size(); ++i) {
        if (base::upperCaseName(names[i]) == wanted) return base::roundTo<int16_t>(i);
    }
    return -1;
}

}  // namespace

void frmMain::setListingFolder(const std::string& folder) {
    std::vector<std::string> names = platform_.files.list(folder, file_currDir.pattern());
    std::sort(names.begin(), names.end(), nav::naturalLess);
    file_currDir.setListing(mdlGen::withoutTrailingBackslash(folder), std::move(names));
}

int16_t frmMain::scanFolder(const std::string& folder, ScanFailures failures) {
    // This scan's count replaces that of one under way.
    folderScan_.reset();
    if (!platform_.files.anyEntry(folder)) return 0;
    lstFile.clear();
    setListingFolder(folder);

    int16_t count = 0;
    for (const std::string& name : file_currDir.items()) {
        try {
            std::string path = folder;
            path.append("\\").append(name);
            if (tags::isPageImage(path)) {
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

void frmMain::startFolderScan(const std::string& folder) {
    folderScan_.reset();
    lstFile.clear();
    taggedCount_ = 0;
    if (!platform_.files.anyEntry(folder)) return;
    folderScan_ = std::make_unique<nav::FolderScan>(
        folder, file_currDir.items(), postingToWindow(platform::window_message::folderScanned));
}

void frmMain::folderScanned() {
    if (!folderScan_ || !folderScan_->finished()) return;
    int16_t count = 0;
    for (const std::string& name : folderScan_->pageImages()) {
        // The count is 16-bit: page images past 32767 are left out, as a
        // scan that skips failing entries leaves them.
        if (count == std::numeric_limits<int16_t>::max()) break;
        ++count;
        lstFile.addItem(name);
    }
    taggedCount_ = count;
    folderScan_.reset();
    // The caption names a file only once one is shown.
    if (pictureLoaded_) updateTitle();
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

#include "nav/folder.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "base/app_error.h"
#include "base/name_case.h"
#include "base/rounding.h"
#include "nav/natural_order.h"
#include "platform/mdlGen.h"

namespace nav {

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

// Reduces every doubled backslash to one, except the two that begin a
// network path ("\\server\share"), which must stay.
std::string withSingleBackslashes(const std::string& path) {
    const size_t keep = path.rfind("\\\\", 0) == 0 ? 2 : 0;
    std::string result = path.substr(0, keep);
    for (size_t i = keep; i < path.size(); ++i) {
        if (path[i] == '\\' && !result.empty() && result.back() == '\\' && result.size() > keep) {
            continue;
        }
        result += path[i];
    }
    return result;
}

std::vector<std::string> sortedListing(platform::Files& files, const std::string& folder,
                                       const std::string& pattern) {
    std::vector<std::string> names = files.list(folder, pattern);
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

}  // namespace

void Folder::readListing(const std::string& folder) {
    pendingListing_.reset();
    listing_.setListing(mdlGen::withoutTrailingBackslash(folder),
                        sortedListing(files_, folder, listing_.pattern()));
}

int16_t Folder::scan(const std::string& folder) {
    // This scan's count replaces that of one under way.
    stopScan();
    if (!files_.anyEntry(folder)) return 0;
    pageImages_.clear();
    pageCount_ = 0;
    readListing(folder);
    const std::atomic<bool> goOn{false};
    keepPageImages(findPageImages(folder, listing_.items(), ScanFailures::propagate, goOn));
    return pageCount_;
}

void Folder::startScan(const std::string& folder, std::function<void()> done) {
    stopScan();
    pageImages_.clear();
    pageCount_ = 0;
    if (!files_.anyEntry(folder)) return;
    pendingListing_ = folder;
    scan_ = std::make_unique<FolderScan>(
        folder,
        [&files = files_, folder, pattern = listing_.pattern()] {
            return sortedListing(files, folder, pattern);
        },
        std::move(done));
}

bool Folder::takeScan() {
    if (!scan_ || !scan_->finished()) return false;
    if (pendingListing_ && !scan_->listing().empty()) {
        listing_.setListing(mdlGen::withoutTrailingBackslash(*pendingListing_), scan_->listing());
        pendingListing_.reset();
    }
    keepPageImages(scan_->pageImages());
    scan_.reset();
    return true;
}

void Folder::keepPageImages(std::vector<std::string> names) {
    for (std::string& name : names) pageImages_.addItem(std::move(name));
    pageCount_ = pageImages_.listCount();
}

int16_t Folder::pageIndex(const std::string& name) const {
    return indexIgnoringCase(pageImages_.items(), name);
}

Folder::Walk Folder::walk(int direction) {
    if (pendingListing_) {
        const std::string folder = *pendingListing_;  // readListing lets the pending one go
        readListing(folder);
    }
    const int32_t entries = listing_.listCount();
    const int32_t index = indexIgnoringCase(listing_.items(), shownName_);
    return {*this, index, entries < 2 ? 0 : entries, direction};
}

std::optional<std::string> Folder::Walk::next() {
    const std::vector<std::string>& names = folder_->listing_.items();
    if (left_ <= 0 || names.empty()) return std::nullopt;
    --left_;
    const auto count = static_cast<int32_t>(names.size());
    index_ += direction_;
    if (index_ >= count) index_ = 0;
    if (index_ < 0) index_ = count - 1;
    return withSingleBackslashes(folder_->path() + "\\" + names[static_cast<size_t>(index_)]);
}

}  // namespace nav

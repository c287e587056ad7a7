#include "nav/folder_scan.h"

#include <exception>
#include <limits>
#include <utility>

#include "base/rounding.h"
#include "platform/thread_priority.h"
#include "tags/page_tags.h"

namespace nav {

std::vector<std::string> findPageImages(const std::string& folder,
                                        const std::vector<std::string>& names,
                                        ScanFailures failures, const std::atomic<bool>& stopping) {
    std::vector<std::string> pageImages;
    for (const std::string& name : names) {
        if (stopping.load(std::memory_order_relaxed)) break;
        try {
            std::string path = folder;
            path.append("\\").append(name);
            if (!tags::isPageImage(path)) continue;
            if (pageImages.size() == std::numeric_limits<int16_t>::max()) {
                base::raiseOverflow();  // a failing entry like any other
            }
            pageImages.push_back(name);
        } catch (const std::exception&) {
            // Unreadable, or no memory for its tags.
            if (failures == ScanFailures::propagate) throw;
        }
    }
    return pageImages;
}

FolderScan::FolderScan(std::string folder, std::function<std::vector<std::string>()> listing,
                       std::function<void()> done)
    : folder_(std::move(folder)), listing_(std::move(listing)), done_(std::move(done)) {
    try {
        worker_ = std::thread([this] {
            // The count can wait: the window's first paint and steps come first.
            platform::lowerThisThreadPriority();
            scan();
        });
    } catch (const std::exception&) {
        // No thread, or no memory for one: the scan takes its time here.
        scan();
    }
}

FolderScan::~FolderScan() {
    stopping_.store(true, std::memory_order_relaxed);
    if (worker_.joinable()) worker_.join();
}

void FolderScan::scan() noexcept {
    try {
        names_ = listing_();
        pageImages_ = findPageImages(folder_, names_, ScanFailures::skip, stopping_);
    } catch (const std::exception&) {
        // No memory for the lists: what was found is lost, none counted.
    }
    finished_.store(true, std::memory_order_release);
    if (done_) done_();
}

}  // namespace nav

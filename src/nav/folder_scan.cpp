#include "nav/folder_scan.h"

#include <exception>
#include <utility>

#include "tags/page_tags.h"

namespace nav {

FolderScan::FolderScan(std::string folder, std::vector<std::string> names,
                       std::function<void()> done)
    : folder_(std::move(folder)), names_(std::move(names)), done_(std::move(done)) {
    try {
        worker_ = std::thread([this] { scan(); });
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
    for (const std::string& name : names_) {
        if (stopping_.load(std::memory_order_relaxed)) return;
        try {
            if (tags::isPageImage(folder_ + "\\" + name)) {
                pageImages_.push_back(name);
            }
        } catch (const std::exception&) {
            // Unreadable, or no memory for its tags: not counted.
        }
    }
    finished_.store(true, std::memory_order_release);
    if (done_) done_();
}

}  // namespace nav

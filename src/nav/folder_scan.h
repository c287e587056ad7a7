#pragma once
// The page images of a folder, told apart on a thread of their own.
//
// Reading the tags of every file takes a folder of 5,000 captures over a
// second on some systems; at start-up the window shows its page first, and
// the caption's count follows when the scan is done. The worker reads files
// and nothing else: it reports by `done`, which must be safe on any thread
// (it posts a message to the window). Every member function is for the thread
// that made the object.

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace nav {

// Whether a failing folder entry ends the scan (the Open command reports it)
// or is skipped (start-up, where nothing could report it usefully). The count
// is 16-bit: the 32768th page image is such a failure (overflow, 6).
enum class ScanFailures { propagate, skip };

// The names among `names` in `folder` (joined with a backslash) whose files
// are page images, in their order, under the count's rule. Stops early, with
// what it found, once `stopping` is set.
std::vector<std::string> findPageImages(const std::string& folder,
                                        const std::vector<std::string>& names,
                                        ScanFailures failures, const std::atomic<bool>& stopping);

class FolderScan {
public:
    // findPageImages over the names `listing` gives (called on the scan's
    // thread), failures skipped. When no thread can be started, scans here.
    FolderScan(std::string folder, std::function<std::vector<std::string>()> listing,
               std::function<void()> done);
    // Stops after the file it is reading, and waits for it.
    ~FolderScan();
    FolderScan(const FolderScan&) = delete;
    FolderScan& operator=(const FolderScan&) = delete;

    bool finished() const noexcept { return finished_.load(std::memory_order_acquire); }
    // Once finished: the names of the page images, in the listing's order.
    const std::vector<std::string>& pageImages() const noexcept { return pageImages_; }
    // Once finished: the names it went through; empty when none could be had.
    const std::vector<std::string>& listing() const noexcept { return names_; }

private:
    void scan() noexcept;

    std::string folder_;
    std::function<std::vector<std::string>()> listing_;
    std::vector<std::string> names_;
    std::function<void()> done_;
    std::vector<std::string> pageImages_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> finished_{false};
    std::thread worker_;
};

}  // namespace nav

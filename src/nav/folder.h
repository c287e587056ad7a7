#pragma once
// The folder of the picture on view: its listing, its page images, which of
// them is on view, and which file a step tries next.
//
// The listing and the list of page images are kept in the window's two
// hidden lists, which the window hands over at the start and which outlive
// the folder; the folder alone changes them. Every member function is for
// the window's thread; the scan's worker reads files and nothing else.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "nav/folder_scan.h"
#include "platform/files.h"
#include "ui/file_list_box.h"
#include "ui/list_box.h"

namespace nav {

class Folder {
public:
    Folder(platform::Files& files, ui::FileListBox& listing, ui::ListBox& pageImages)
        : files_(files), listing_(listing), pageImages_(pageImages) {}

    // Points the listing at `folder` and reads it anew, in natural order.
    void readListing(const std::string& folder);
    // The folder as Windows names it, and its entries.
    const std::string& path() const noexcept { return listing_.path(); }

    // Reads the listing and counts its page images here, a failing entry
    // raised (the list then empty). Nothing changes when the folder has no
    // entry at all; 0 then.
    int16_t scan(const std::string& folder);
    // Reads the listing and counts its page images on a thread of its own,
    // which calls `done` (safe on any thread) when it ends; takeScan() then
    // takes the listing and the count. A long folder's listing so keeps
    // nothing from the window's first paint; a step before the scan is done
    // reads the listing itself.
    void startScan(const std::string& folder, std::function<void()> done);
    // The listing of `folder` is read later: by a scan that reads it, or by
    // the first walk.
    void deferListing(const std::string& folder) { pendingListing_ = folder; }
    // The listing is still to come.
    bool listingPending() const noexcept { return pendingListing_.has_value(); }
    bool scanning() const noexcept { return scan_ != nullptr; }
    // True when a finished scan's count was taken; false while it runs.
    bool takeScan();
    // Lets a scan under way go, waiting for its worker.
    void stopScan() noexcept { scan_.reset(); }

    // The counter's figures: the page images counted, and the place of `name`
    // among them (letter case ignored), or -1.
    int16_t pageCount() const noexcept { return pageCount_; }
    int16_t pageIndex(const std::string& name) const;

    // The file on view, by name.
    const std::string& shownName() const noexcept { return shownName_; }
    void setShown(std::string name) { shownName_ = std::move(name); }

    // One step's way through the listing from the file on view, wrapping, one
    // full round at most: next() names each entry to try in turn ("\\" runs
    // reduced to one but a network path's two), then nothing.
    class Walk {
    public:
        std::optional<std::string> next();

    private:
        friend class Folder;
        Walk(const Folder& folder, int32_t index, int32_t entries, int direction)
            : folder_(&folder), index_(index), left_(entries), direction_(direction) {}
        const Folder* folder_;
        int32_t index_;
        int32_t left_;
        int direction_;
    };
    // Forwards (+1) or backwards (-1). Raises overflow (6) for a listing
    // longer than the 16-bit count and index hold: no step rather than one
    // to a wrong entry. A listing of fewer than two entries has no step.
    // A listing still to come from the scan is read here first.
    Walk walk(int direction);

private:
    void keepPageImages(std::vector<std::string> names);

    platform::Files& files_;
    ui::FileListBox& listing_;
    ui::ListBox& pageImages_;
    int16_t pageCount_ = 0;
    std::string shownName_;
    std::unique_ptr<FolderScan> scan_;
    // The folder whose listing the scan reads, until it is taken.
    std::optional<std::string> pendingListing_;
};

}  // namespace nav

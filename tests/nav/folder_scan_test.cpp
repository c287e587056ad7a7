// A folder's page images counted on a thread of their own. Also built with
// ThreadSanitizer (tshandover), which fails on any data race between the scan
// and the thread that takes its result.

#include "nav/folder_scan.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "support/iptc_jpeg.h"
#include "support/temp_dir.h"

namespace {

TEST(FolderScanTest, FindsThePageImagesInTheListingsOrderAndSaysSoOnce) {
    const testsupport::TempDir dir{"tsscan"};
    dir.write("b.jpg", testsupport::pageImage("B", "https://b/"));
    dir.write("a.jpg", testsupport::plainJpeg());
    dir.write("notes.jpg", "not a picture at all");
    dir.write("c.mire", testsupport::pageImage("C", "https://c/"));
    std::atomic<int> reports{0};
    const std::vector<std::string> listing = {"b.jpg", "a.jpg", "gone.jpg", "notes.jpg", "c.mire"};
    std::vector<std::string> found;
    {
        // The listing is read on the scan's thread.
        const nav::FolderScan scan(
            dir.path().string(), [&listing] { return listing; }, [&reports] { ++reports; });
        while (!scan.finished()) std::this_thread::yield();
        found = scan.pageImages();
        EXPECT_EQ(scan.listing(), listing);
    }  // waits for the worker
    EXPECT_EQ(found, (std::vector<std::string>{"b.jpg", "c.mire"}));
    EXPECT_EQ(reports, 1);
}

}  // namespace

#pragma once
// The first screens of the page images beside the one on view, decoded ahead
// on a thread of their own at a low priority, so that a step finds its first
// screen ready.
//
// A cache, never a shortcut: the step still reads the listing and checks the
// tags as before, and a screen is used only for the file it was read from,
// unchanged (same path, size and last write) and by a step in the direction
// it was read for. Each step lets go of every screen, used or not; the next
// read-ahead starts once the new page is decoded. At most the two neighbours'
// screens are held, never a whole picture; the worker also has the codec
// ready the memory the larger neighbour would be decoded into
// (PictureCodec::prepareFor), so that a step takes no fresh memory. Every
// member function is for the thread that made the object; the worker reads
// files and nothing else.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/bitmap.h"
#include "platform/files.h"
#include "platform/picture_codec.h"

namespace view {

class ReadAhead {
public:
    // The files and the codec are safe on any thread and outlive this.
    ReadAhead(platform::Files& files, platform::PictureCodec& codec)
        : files_(files), codec_(codec) {}
    // Stops the worker after the file it is on, and waits for it.
    ~ReadAhead() { stop(); }
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The entries to try in a step's direction (+1 next, -1 previous), whole
    // paths in the order the step tries them: the first page image among
    // them is read ahead.
    struct Way {
        int direction = 0;
        std::vector<std::string> paths;
    };
    // Lets go of what was read before and starts reading the first `rows`
    // rows of the first page image each way. When no thread can be started,
    // nothing is read ahead.
    void start(std::vector<Way> ways, int32_t rows);

    // A step in `direction` opens `path`: the picture with its first screen
    // read ahead, its reader at the next row (as PictureCodec::decodeTop
    // gives it), when one was read from that very file for that direction and
    // the file has not changed since; nothing otherwise. Either way every
    // screen held is let go. Throws as decodeTop does for the file.
    std::optional<platform::PartlyDecoded> take(int direction, const std::string& path);

    // Lets go of every screen, waiting for the worker.
    void stop() noexcept;
    // Returns once the worker has read all it was given.
    void wait() noexcept {
        if (worker_.joinable()) worker_.join();
    }

    // The screens ready now, for tests and benchmarks.
    size_t screensHeld() const;

private:
    struct Screen {
        int direction = 0;
        std::string path;
        platform::FileStamp stamp;
        platform::PictureSize size;  // of the whole picture
        std::shared_ptr<base::Bitmap> rows;
    };
    void read(const std::vector<Way>& ways, int32_t rows) noexcept;
    void readScreens(const std::vector<Way>& ways, int32_t rows) noexcept;
    std::optional<Screen> readScreen(int direction, const std::string& path, int32_t rows);

    platform::Files& files_;
    platform::PictureCodec& codec_;
    mutable std::mutex mutex_;
    std::vector<Screen> screens_;
    std::atomic<bool> stopping_{false};
    std::thread worker_;
};

}  // namespace view

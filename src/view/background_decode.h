#pragma once
// The rest of a picture decoded on a thread of its own, into the bitmap the
// window already shows.
//
// The window decodes a picture's first screen itself (PictureCodec::
// decodeTop) and shows it at once; this decodes the rows below, a band at a
// time, into the same bitmap. The bitmap's ready-row count is the hand-over
// (base::Bitmap): the worker writes only rows below the count and raises it
// after each band; the painter reads only rows above it. The worker never
// touches a window: it calls `progressed`, which must be safe on any thread
// (it posts a message to the window), now and then while it works and once
// when it is done.
//
// The object owns the worker and the reader; the bitmap's memory belongs to
// its shared owners, and this object is one of them until the worker has
// ended, so the worker never writes memory that is gone. Every member
// function is for the thread that made the object.

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "base/app_error.h"
#include "base/bitmap.h"
#include "platform/picture_codec.h"

namespace view {

class BackgroundDecode {
public:
    // Starts the worker on the rows of `bitmap` from its first row not ready,
    // read from `rest`, or leaves it paused until resume() when `startNow` is
    // false. When no thread can be started, decodes them here.
    BackgroundDecode(std::shared_ptr<base::Bitmap> bitmap,
                     std::unique_ptr<platform::BandReader> rest, std::function<void()> progressed,
                     bool startNow = true);
    // Stops the worker after the band it is on, and waits for it.
    ~BackgroundDecode();
    BackgroundDecode(const BackgroundDecode&) = delete;
    BackgroundDecode& operator=(const BackgroundDecode&) = delete;

    base::Picture picture() const { return bitmap_; }
    // Every row is there (decoded, or filled after a failure).
    bool finished() const noexcept { return bitmap_->complete(); }

    // Stops the worker after its band and waits for it; the rows decoded stay
    // and the rest stays undecoded until resume().
    void pause() noexcept;
    // Goes on where pause() stopped.
    void resume();
    // Returns when every row is there, decoding here what a paused or
    // unstarted worker left.
    void finish();

    // Once finished: what stopped the decode before the last row, told once.
    // The rows it could not decode are then mid-grey, as a decoder shows data
    // it lacks, never what the memory held before.
    std::optional<base::AppError> takeFailure();

private:
    void start();
    void decodeRest() noexcept;
    void report() const noexcept;

    std::shared_ptr<base::Bitmap> bitmap_;
    std::unique_ptr<platform::BandReader> rest_;
    std::function<void()> progressed_;
    std::atomic<bool> stopping_{false};
    // Written by the worker before it marks the last row ready.
    std::optional<base::AppError> failure_;
    std::thread worker_;
};

}  // namespace view

#pragma once
// The shown picture's rows below its first screen, decoded on a thread of
// their own while the window is in use: the worker, the picture's file, and
// the rows shown so far. The window asks what to draw when rows arrive.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/app_error.h"
#include "base/bitmap.h"
#include "platform/picture_codec.h"
#include "view/background_decode.h"

namespace view {

class PictureDecode {
public:
    // Decodes the rest of `top` (read from `path`) on a worker that calls
    // `progressed` from its thread as rows arrive; the decode of the picture
    // before it goes first. Nothing to decode when `top` is whole. The worker
    // waits for resume() when `startNow` is false.
    void start(platform::PartlyDecoded top, const std::string& path,
               std::function<void()> progressed, bool startNow = true);

    // Whether some rows are still to come, or to be shown.
    bool decoding() const noexcept { return worker_ != nullptr; }

    // What the window does now that more rows are there.
    struct Arrival {
        bool redraw = false;                    // rows of the view were painted before they came
        std::optional<base::AppError> failure;  // the file turned out damaged below its top
        std::string path;                       // of the picture the failure is about
    };
    // `shown` is the picture on view and rows firstInView to endOfView of it
    // are in the frame. When the last row is there, the worker goes.
    Arrival rowsArrived(const base::Picture& shown, int32_t firstInView, int32_t endOfView);

    // Stops the worker for a while (another file's top is read), and lets it go on.
    void pause() noexcept {
        if (worker_) worker_->pause();
    }
    void resume() {
        if (worker_) worker_->resume();
    }
    // Decodes every row left, here.
    void finish() {
        if (worker_) worker_->finish();
    }
    // The window goes: the worker ends now.
    void stop() noexcept { worker_.reset(); }

private:
    std::string path_;
    int32_t rowsShown_ = 0;
    std::unique_ptr<view::BackgroundDecode> worker_;
};

}  // namespace view

#include "view/picture_decode.h"

#include <utility>

namespace view {

void PictureDecode::start(platform::PartlyDecoded top, const std::string& path,
                          std::function<void()> progressed, bool startNow) {
    worker_.reset();
    rowsShown_ = top.bitmap->rowsReady();
    if (!top.rest) return;
    path_ = path;
    worker_ = std::make_unique<view::BackgroundDecode>(std::move(top.bitmap), std::move(top.rest),
                                                       std::move(progressed), startNow);
}

PictureDecode::Arrival PictureDecode::rowsArrived(const base::Picture& shown, int32_t firstInView,
                                                  int32_t endOfView) {
    Arrival arrival;
    if (!worker_) return arrival;
    const base::Picture picture = worker_->picture();
    const int32_t ready = picture->rowsReady();
    // Rows painted before they were ready show the background: those in the
    // frame now are drawn again.
    arrival.redraw =
        shown == picture && ready > rowsShown_ && rowsShown_ < endOfView && ready > firstInView;
    rowsShown_ = ready;
    if (!worker_->finished()) return arrival;

    arrival.failure = worker_->takeFailure();
    arrival.path = path_;
    worker_.reset();
    return arrival;
}

}  // namespace view

// The rows of the shown picture below its first screen, decoded on a thread
// of their own while the window is in use.

#include <algorithm>

#include "app/frmMain.h"
#include "ui/screen.h"

int32_t frmMain::firstScreenRows() const {
    // The frame as laid out now; rows it shows after a resize arrive soon after.
    return std::max(frImage.height(), int32_t{1});
}

std::function<void()> frmMain::postingToWindow(uint32_t message) {
    platform::WindowHook& hook = platform_.windowHook;
    const uintptr_t window = nativeHandle();
    return [&hook, window, message] { hook.postMessage(window, message); };
}

void frmMain::Form_MessagePosted(uint32_t message) {
    if (message == platform::window_message::pictureRows) pictureRowsArrived();
    if (message == platform::window_message::folderScanned) folderScanned();
}

void frmMain::startDecodingRest(platform::PartlyDecoded top, const std::string& path) {
    decoding_.reset();
    rowsShown_ = top.bitmap->rowsReady();
    if (!top.rest) return;
    decodingPath_ = path;
    decoding_ = std::make_unique<platform::BackgroundDecode>(
        std::move(top.bitmap), std::move(top.rest),
        postingToWindow(platform::window_message::pictureRows));
}

void frmMain::pictureRowsArrived() {
    if (!decoding_) return;
    const base::Picture picture = decoding_->picture();
    const int32_t ready = picture->rowsReady();
    // Rows painted before they were ready show the background: those in the
    // frame now are drawn again.
    const int32_t firstInView = -imgDisplay.top();
    const int32_t endOfView = firstInView + frImage.height();
    if (imgDisplay.picture() == picture && ready > rowsShown_ && rowsShown_ < endOfView &&
        ready > firstInView) {
        imgDisplay.showReadyRows();
    }
    rowsShown_ = ready;
    if (!decoding_->finished()) return;

    std::optional<base::AppError> failure = decoding_->takeFailure();
    decoding_.reset();
    // Shown as far as it could be decoded, the rest grey; the user is told.
    if (failure) reportUnopenable(decodingPath_, *failure);
}

void frmMain::waitForWholePicture() {
    if (!pictureDecoding()) return;
    const ui::HourglassPointer hourglass;
    decoding_->finish();
    pictureRowsArrived();
}

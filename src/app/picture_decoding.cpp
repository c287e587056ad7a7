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
    if (message == pictureRowsMessage) {
        pictureRowsArrived();
        if (!pictureDecoding()) startReadAhead();
    }
    if (message == folderScannedMessage) folderScanned();
}

void frmMain::startDecodingRest(platform::PartlyDecoded top, const std::string& path) {
    // The rest waits until the window has painted the first screen: its
    // decode would take a core from that paint.
    pictureDecode_.start(std::move(top), path, postingToWindow(pictureRowsMessage), false);
    afterPaint([this] { pictureDecode_.resume(); });
    readAheadDue_ = true;
    // A picture whole at once reads ahead once the window has shown it.
    if (!pictureDecoding()) postingToWindow(pictureRowsMessage)();
}

void frmMain::startReadAhead() {
    // The entries a step tries first, each way: page images lie close
    // together, and no more is worth a file's read on a guess.
    constexpr size_t reach = 16;
    if (!readAheadDue_ || folder_.listingPending()) return;
    readAheadDue_ = false;
    std::vector<view::ReadAhead::Way> ways;
    try {
        for (const int direction : {+1, -1}) {
            nav::Folder::Walk walk = folder_.walk(direction);
            view::ReadAhead::Way way{direction, {}};
            while (way.paths.size() < reach) {
                std::optional<std::string> path = walk.next();
                if (!path) break;
                way.paths.push_back(std::move(*path));
            }
            ways.push_back(std::move(way));
        }
    } catch (const base::AppError&) {
        return;  // a listing too long to step through
    }
    readAhead_.start(std::move(ways), firstScreenRows());
}

void frmMain::pictureRowsArrived() {
    const int32_t firstInView = -imgDisplay.top();
    const view::PictureDecode::Arrival arrival = pictureDecode_.rowsArrived(
        imgDisplay.picture(), firstInView, firstInView + frImage.height());
    if (arrival.redraw) imgDisplay.showReadyRows();
    // Shown as far as it could be decoded, the rest grey; the user is told.
    if (arrival.failure) reportUnopenable(arrival.path, *arrival.failure);
}

void frmMain::waitForWholePicture() {
    if (!pictureDecoding()) return;
    const ui::HourglassPointer hourglass;
    pictureDecode_.finish();
    pictureRowsArrived();
}

#include "view/background_decode.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <new>
#include <utility>

namespace view {
namespace {

// Rows per band: small enough that a stop waits well under a millisecond for
// the band a 1920-pixel-wide page is on, large enough that the count is
// raised seldom.
constexpr int32_t bandRows = 64;
// The least time between two reports while rows arrive: a screen repaint
// each time is plenty.
constexpr auto reportInterval = std::chrono::milliseconds(15);
// What a decoder shows for data it lacks.
constexpr uint32_t missingPixel = 0x00808080;

}  // namespace

BackgroundDecode::BackgroundDecode(std::shared_ptr<base::Bitmap> bitmap,
                                   std::unique_ptr<platform::BandReader> rest,
                                   std::function<void()> progressed, bool startNow)
    : bitmap_(std::move(bitmap)), rest_(std::move(rest)), progressed_(std::move(progressed)) {
    if (startNow) start();
}

BackgroundDecode::~BackgroundDecode() { pause(); }

void BackgroundDecode::start() {
    if (finished() || worker_.joinable()) return;
    stopping_.store(false, std::memory_order_relaxed);
    try {
        worker_ = std::thread([this] { decodeRest(); });
    } catch (const std::exception&) {
        // No thread, or no memory for one: the window waits for the picture.
        decodeRest();
    }
}

void BackgroundDecode::pause() noexcept {
    if (!worker_.joinable()) return;
    stopping_.store(true, std::memory_order_relaxed);
    worker_.join();
}

void BackgroundDecode::resume() { start(); }

void BackgroundDecode::finish() {
    if (worker_.joinable()) worker_.join();
    stopping_.store(false, std::memory_order_relaxed);
    if (!finished()) decodeRest();
}

std::optional<base::AppError> BackgroundDecode::takeFailure() {
    if (!finished()) return std::nullopt;
    return std::exchange(failure_, std::nullopt);
}

void BackgroundDecode::decodeRest() noexcept {
    base::Bitmap& bitmap = *bitmap_;
    const int32_t height = bitmap.height();
    int32_t y = bitmap.rowsReady();
    auto reported = std::chrono::steady_clock::now();
    try {
        while (y < height) {
            if (stopping_.load(std::memory_order_relaxed)) return;
            const int32_t rows = rest_->readRows(bitmap.row(y), std::min(bandRows, height - y));
            if (rows == 0) {
                throw base::AppError(base::error_number::invalidPicture, "Invalid picture");
            }
            y += rows;
            bitmap.setRowsReady(y);
            const auto now = std::chrono::steady_clock::now();
            if (y < height && now - reported >= reportInterval) {
                reported = now;
                report();
            }
        }
    } catch (const base::AppError& error) {
        failure_ = error;
    } catch (const std::bad_alloc&) {
        failure_ = base::AppError(base::error_number::outOfMemory, "Out of memory");
    } catch (...) {
        // Whatever else a reader throws is a picture that cannot be read on,
        // never the end of the program.
        failure_ = base::AppError(base::error_number::invalidPicture, "Invalid picture");
    }
    // The band that failed may be half written.
    for (int32_t row = y; row < height; ++row) {
        std::fill_n(bitmap.row(row), bitmap.width(), missingPixel);
    }
    bitmap.setRowsReady(height);
    rest_.reset();  // the file is closed as soon as it is read
    report();
}

void BackgroundDecode::report() const noexcept {
    if (progressed_) progressed_();
}

}  // namespace view

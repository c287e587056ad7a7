#include "view/read_ahead.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>

#include "platform/thread_priority.h"
#include "tags/page_tags.h"

namespace view {

namespace {

// Goes on below a screen read ahead: the rows the screen holds are decoded
// once more and passed over on the first read, on the thread that reads (the
// decode of the rest), never on the window's.
class RowsBelowScreen : public platform::BandReader {
public:
    RowsBelowScreen(std::unique_ptr<platform::BandReader> reader, int32_t rowsToPass)
        : reader_(std::move(reader)), rowsToPass_(rowsToPass) {}

    platform::PictureSize size() const override { return reader_->size(); }

    int32_t readRows(uint32_t* pixels, int32_t maxRows) override {
        while (rowsToPass_ > 0) {
            const int32_t wanted = std::min(rowsToPass_, maxRows);
            const int32_t passed = reader_->readRows(pixels, wanted);
            if (passed == 0) return 0;
            rowsToPass_ -= passed;
        }
        return reader_->readRows(pixels, maxRows);
    }

private:
    std::unique_ptr<platform::BandReader> reader_;
    int32_t rowsToPass_;
};

}  // namespace

void ReadAhead::start(std::vector<Way> ways, int32_t rows) {
    stop();
    if (rows <= 0) return;
    stopping_.store(false, std::memory_order_relaxed);
    try {
        worker_ = std::thread([this, ways = std::move(ways), rows] { read(ways, rows); });
    } catch (const std::exception&) {
        // No thread, or no memory for one: the steps decode as they did.
    }
}

void ReadAhead::stop() noexcept {
    stopping_.store(true, std::memory_order_relaxed);
    if (worker_.joinable()) worker_.join();
    const std::lock_guard lock(mutex_);
    screens_.clear();
}

size_t ReadAhead::screensHeld() const {
    const std::lock_guard lock(mutex_);
    return screens_.size();
}

void ReadAhead::read(const std::vector<Way>& ways, int32_t rows) noexcept {
    platform::lowerThisThreadPriority();
    readScreens(ways, rows);
    // Either neighbour may be the next picture: memory for the larger.
    platform::PictureSize largest;
    {
        const std::lock_guard lock(mutex_);
        for (const Screen& screen : screens_) {
            if (base::Bitmap::pixelCount(screen.size.width, screen.size.height) >
                base::Bitmap::pixelCount(largest.width, largest.height)) {
                largest = screen.size;
            }
        }
    }
    if (!stopping_.load(std::memory_order_relaxed) && largest.height > 0) {
        codec_.prepareFor(largest, rows);
    }
}

void ReadAhead::readScreens(const std::vector<Way>& ways, int32_t rows) noexcept {
    for (const Way& way : ways) {
        for (const std::string& path : way.paths) {
            if (stopping_.load(std::memory_order_relaxed)) return;
            try {
                if (!tags::isPageImage(path)) continue;
                std::optional<Screen> screen = readScreen(way.direction, path, rows);
                if (screen) {
                    const std::lock_guard lock(mutex_);
                    screens_.push_back(std::move(*screen));
                }
            } catch (const std::exception&) {
                // Unreadable or damaged: the step finds out and says so itself.
            }
            // The first page image of each way is the one a step would show.
            break;
        }
    }
}

std::optional<ReadAhead::Screen> ReadAhead::readScreen(int direction, const std::string& path,
                                                       int32_t rows) {
    const std::optional<platform::FileStamp> before = files_.stamp(path);
    if (!before) return std::nullopt;
    std::unique_ptr<platform::BandReader> reader = codec_.openBands(path);
    const platform::PictureSize size = reader->size();
    const int32_t screenRows = std::min(rows, size.height);
    auto screen = std::make_shared<base::Bitmap>(size.width, screenRows);
    // A band at a time, so that a step never waits long for the worker.
    constexpr int32_t bandRows = 64;
    int32_t done = 0;
    while (done < screenRows) {
        if (stopping_.load(std::memory_order_relaxed)) return std::nullopt;
        const int32_t read =
            reader->readRows(screen->row(done), std::min(bandRows, screenRows - done));
        if (read == 0) return std::nullopt;
        done += read;
    }
    // A picture that is all one screen is read to its end, so that damage
    // anywhere in it is found here, as the step's own decode would find it.
    if (screenRows == size.height) {
        std::vector<uint32_t> past(static_cast<size_t>(size.width));
        if (reader->readRows(past.data(), 1) != 0) return std::nullopt;
    }
    // Changed while it was read: what was read may be of neither version.
    if (files_.stamp(path) != before) return std::nullopt;
    return Screen{direction, path, *before, size, std::move(screen)};
}

std::optional<platform::PartlyDecoded> ReadAhead::take(int direction, const std::string& path) {
    // The worker may still be reading: it stops, what it was reading unused.
    stopping_.store(true, std::memory_order_relaxed);
    if (worker_.joinable()) worker_.join();
    std::vector<Screen> screens;
    {
        const std::lock_guard lock(mutex_);
        screens.swap(screens_);
    }
    const auto match = std::find_if(screens.begin(), screens.end(), [&](const Screen& screen) {
        return screen.direction == direction && screen.path == path;
    });
    if (match == screens.end() || files_.stamp(path) != match->stamp) return std::nullopt;

    const base::Bitmap& screen = *match->rows;
    platform::PartlyDecoded top = codec_.decodeTop(path, 0);
    base::Bitmap& bitmap = *top.bitmap;
    if (bitmap.width() != screen.width() || bitmap.height() < screen.height()) return std::nullopt;
    const auto rowBytes = static_cast<size_t>(screen.width()) * sizeof(uint32_t);
    for (int32_t y = 0; y < screen.height(); ++y)
        std::memcpy(bitmap.row(y), screen.row(y), rowBytes);
    bitmap.setRowsReady(screen.height());
    if (screen.height() == bitmap.height()) {
        top.rest.reset();
    } else if (top.rest) {
        top.rest = std::make_unique<RowsBelowScreen>(std::move(top.rest), screen.height());
    }
    return top;
}

}  // namespace view

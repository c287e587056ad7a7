// The rows below a picture's first screen, decoded on a thread of their own
// while this thread reads what is ready, as the window paints it. Also built
// with ThreadSanitizer (tshandover), which fails on any data race between the
// two.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ostream>
#include <stdexcept>
#include <thread>

#include "view/background_decode.h"
#include "platform/jpeg/jpeg_picture_codec.h"
#include "platform/jpeg_samples.h"
#include "support/temp_dir.h"

namespace {

constexpr int32_t width = 256;
constexpr int32_t height = 6000;
constexpr int32_t firstScreen = 500;
constexpr uint32_t missingPixel = 0x808080;

uint32_t stripes(int x, int y) {
    return ((y / 8) % 2 ? 0xF0F0F0 : 0x203040) ^ ((x / 16) % 2 ? 0x00FF00 : 0);
}

class BackgroundDecodeTest : public ::testing::Test {
protected:
    BackgroundDecodeTest() {
        testsupport::JpegOptions options;
        options.width = width;
        options.height = height;
        jpeg_ = testsupport::encodeJpeg(options, stripes);
        expected_ = codec_.decode(dir_.write("whole.jpg", jpeg_));
    }

    // The file with only `share` of its bytes, as a copy cut short leaves it.
    std::string cutTo(double share) {
        std::vector<uint8_t> bytes = jpeg_;
        bytes.resize(static_cast<size_t>(static_cast<double>(bytes.size()) * share));
        return dir_.write("cut.jpg", bytes);
    }
    bool isExpectedRow(const base::Bitmap& picture, int32_t y) const {
        return std::equal(picture.row(y), picture.row(y) + width, expected_->row(y));
    }

    testsupport::TempDir dir_{"tsdecode"};
    platform::JpegPictureCodec codec_;
    std::vector<uint8_t> jpeg_;
    base::Picture expected_;
};

struct Case {
    const char* name;
    double share;  // of the file's bytes
    bool damaged;
};

void PrintTo(const Case& given, std::ostream* out) { *out << given.name; }

class HandOverTest : public BackgroundDecodeTest, public ::testing::WithParamInterface<Case> {};

TEST_P(HandOverTest, EveryRowReadIsFinishedAndWhatCouldNotBeDecodedIsGrey) {
    platform::PartlyDecoded top = codec_.decodeTop(cutTo(GetParam().share), firstScreen);
    ASSERT_EQ(top.bitmap->height(), height);
    ASSERT_EQ(top.bitmap->rowsReady(), firstScreen);
    ASSERT_TRUE(top.rest);
    const base::Picture picture = top.bitmap;
    std::atomic<int> reports{0};
    view::BackgroundDecode decode(std::move(top.bitmap), std::move(top.rest),
                                      [&reports] { ++reports; });

    // The painter's side: each row as soon as it is ready, never after.
    int32_t decodedRows = 0;
    int32_t greyRows = 0;
    for (int32_t y = 0; y < height;) {
        const int32_t ready = picture->rowsReady();
        for (; y < ready; ++y) {
            const uint32_t* row = picture->row(y);
            if (greyRows == 0 && isExpectedRow(*picture, y)) {
                ++decodedRows;
            } else if (std::all_of(row, row + width,
                                   [](uint32_t p) { return p == missingPixel; })) {
                ++greyRows;
            } else {
                FAIL() << "row " << y << " is neither as decoded nor grey";
            }
        }
        std::this_thread::yield();
    }

    EXPECT_TRUE(decode.finished());
    decode.finish();  // the worker's last report comes after the last row
    EXPECT_GE(reports.load(), 1);
    const std::optional<base::AppError> failure = decode.takeFailure();
    if (GetParam().damaged) {
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->number(), base::error_number::invalidPicture);
        EXPECT_GT(decodedRows, firstScreen);
        EXPECT_GT(greyRows, 0);
        EXPECT_FALSE(decode.takeFailure()) << "told once";
    } else {
        EXPECT_FALSE(failure);
        EXPECT_EQ(decodedRows, height);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HandOverTest,
                         ::testing::Values(Case{"whole", 1.0, false}, Case{"cutShort", 0.6, true}),
                         [](const auto& given) { return given.param.name; });

TEST_F(BackgroundDecodeTest, PausedDecodeWritesNothingUntilItGoesOn) {
    platform::PartlyDecoded top = codec_.decodeTop(cutTo(1.0), firstScreen);
    const base::Picture picture = top.bitmap;
    view::BackgroundDecode decode(std::move(top.bitmap), std::move(top.rest), {});
    decode.pause();
    const int32_t paused = picture->rowsReady();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(picture->rowsReady(), paused);

    decode.resume();
    decode.finish();
    ASSERT_TRUE(picture->complete());
    for (int32_t y = 0; y < height; ++y) ASSERT_TRUE(isExpectedRow(*picture, y)) << "row " << y;
    EXPECT_FALSE(decode.takeFailure());
}

// A reader that fails in a way no decoder of ours reports.
struct ThrowingReader : platform::BandReader {
    platform::PictureSize size() const override { return {4, 100}; }
    int32_t readRows(uint32_t*, int32_t) override { throw std::runtime_error("unexpected"); }
};

TEST(BackgroundDecodeFailure, AnyExceptionOfTheReaderIsAFailureToTellNotTheProgramsEnd) {
    auto bitmap = std::make_shared<base::Bitmap>(4, 100);
    bitmap->setRowsReady(10);
    const base::Picture picture = bitmap;
    view::BackgroundDecode decode(std::move(bitmap), std::make_unique<ThrowingReader>(), {});
    decode.finish();
    EXPECT_TRUE(picture->complete());
    EXPECT_EQ(picture->row(99)[0], missingPixel);
    const std::optional<base::AppError> failure = decode.takeFailure();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), base::error_number::invalidPicture);
}

}  // namespace

// The memory of pictures let go is handed to the next picture that fits, and
// only then: the store must never give a picture too little room, nor sit on
// much more memory than the pictures need.

#include "base/pixel_store.h"

#include <gtest/gtest.h>

#include "base/bitmap.h"

namespace {

constexpr int32_t width = 1024;
// Rows for a picture of `pixels` pixels at the width above.
constexpr int32_t rowsFor(size_t pixels) { return static_cast<int32_t>(pixels / width); }

class PixelStoreTest : public testing::Test {
protected:
    size_t sparePixels() const { return store_->sparePixels(); }

    std::shared_ptr<base::PixelStore> store_ = std::make_shared<base::PixelStore>();

    static constexpr int32_t pageRows = rowsFor(base::spareMinimumPixels) * 4;
};

TEST_F(PixelStoreTest, NextPictureOfTheSameSizeIsWrittenIntoTheLastOnesMemory) {
    const uint32_t* first = nullptr;
    {
        base::Bitmap page(width, pageRows, *store_);
        first = page.data();
        page.row(pageRows - 1)[width - 1] = 0x123456;  // the memory is really there
    }
    EXPECT_EQ(sparePixels(), size_t{width} * pageRows);
    base::Bitmap next(width, pageRows, *store_);
    EXPECT_EQ(next.data(), first);
    EXPECT_EQ(sparePixels(), 0u) << "the spare went to the picture";
}

TEST_F(PixelStoreTest, SpareTooSmallIsFreedAndTheNewMemoryGetsRoomToSpare) {
    { base::Bitmap shorter(width, pageRows, *store_); }
    const int32_t tallerRows = pageRows + pageRows / 10;
    const uint32_t* taller = nullptr;
    {
        base::Bitmap page(width, tallerRows, *store_);
        taller = page.data();
        EXPECT_EQ(sparePixels(), 0u) << "the small spare is not kept beside it";
        page.row(tallerRows - 1)[width - 1] = 1;
    }
    // A quarter more room than the taller picture: one a fifth taller still fits.
    const size_t kept = sparePixels();
    EXPECT_EQ(kept, size_t{width} * tallerRows + size_t{width} * tallerRows / 4);
    base::Bitmap tallest(width, tallerRows + tallerRows / 5, *store_);
    EXPECT_EQ(tallest.data(), taller);
    tallest.row(tallest.height() - 1)[width - 1] = 2;
}

TEST_F(PixelStoreTest, SpareIsGivenToAPictureDownToAQuarterItsSize) {
    constexpr int32_t tallRows = pageRows * 2;  // a quarter of it is still a large picture
    const uint32_t* tall = nullptr;
    {
        base::Bitmap page(width, tallRows, *store_);
        tall = page.data();
    }
    base::Bitmap quarter(width, tallRows / 4, *store_);
    EXPECT_EQ(quarter.data(), tall);
    quarter.row(quarter.height() - 1)[0] = 3;
}

TEST_F(PixelStoreTest, SpareTooLargeForThePictureIsFreed) {
    constexpr int32_t tallRows = pageRows * 2;
    { base::Bitmap page(width, tallRows, *store_); }
    base::Bitmap small(width, tallRows / 4 - 1, *store_);
    EXPECT_EQ(sparePixels(), 0u) << "a spare too large for what is shown is freed";
    small.row(small.height() - 1)[0] = 3;
}

TEST_F(PixelStoreTest, SmallAndHugePicturesLeaveTheSpareAlone) {
    { base::Bitmap page(width, pageRows, *store_); }
    const size_t spare = sparePixels();
    { base::Bitmap thumbnail(21, 520, *store_); }  // the shrunk rendering of a page
    EXPECT_EQ(sparePixels(), spare);

    store_->releaseSpare();
    { base::Bitmap huge(width, rowsFor(base::spareMaximumPixels) + 1, *store_); }
    EXPECT_EQ(sparePixels(), 0u) << "memory of a huge picture is given back at once";
}

TEST_F(PixelStoreTest, OfTwoPicturesLetGoTheLargerIsKept) {
    {
        base::Bitmap larger(width, pageRows + 8, *store_);
        base::Bitmap smaller(width, pageRows, *store_);
    }
    EXPECT_EQ(sparePixels(), size_t{width} * (pageRows + 8));
}

TEST_F(PixelStoreTest, SteppingThroughVaryingHeightsSoonAllocatesNothingNew) {
    // Page heights as a folder of captures has them, from a much taller first
    // page; two pictures live at a time, as while the next one is decoded.
    const int32_t heights[] = {11519, 6436, 7854, 9272,  10690, 12108, 7025, 8443, 9861,  11279,
                               6196,  7614, 9032, 10450, 11868, 6785,  8203, 9621, 11039, 12457};
    auto shown = std::make_unique<base::Bitmap>(width, 20000, *store_);
    const uint32_t* letGo = nullptr;  // the memory of the picture the last step replaced
    int freshInFirstRound = 0;
    int freshInSecondRound = 0;
    for (int round = 0; round < 2; ++round) {
        for (const int32_t rows : heights) {
            auto next = std::make_unique<base::Bitmap>(width, rows, *store_);
            if (next->data() != letGo) ++(round == 0 ? freshInFirstRound : freshInSecondRound);
            next->row(rows - 1)[width - 1] = 4;
            letGo = shown->data();
            shown = std::move(next);
        }
    }
    EXPECT_LE(freshInFirstRound, 3);
    EXPECT_EQ(freshInSecondRound, 0) << "the second round through the folder should reuse memory";
}

TEST_F(PixelStoreTest, MemoryPreparedAheadIsWhatTheNextPictureGets) {
    { base::Bitmap shorter(width, pageRows, *store_); }
    const int32_t nextRows = pageRows * 2;
    store_->prepare(size_t{width} * nextRows, size_t{width} * 700);
    const size_t prepared = sparePixels();
    EXPECT_GE(prepared, size_t{width} * nextRows) << "a spare too small is replaced";
    store_->prepare(size_t{width} * pageRows, size_t{width} * 700);
    EXPECT_EQ(sparePixels(), prepared) << "a spare that fits is kept";

    base::Bitmap next(width, nextRows, *store_);
    EXPECT_EQ(sparePixels(), 0u) << "the prepared memory went to the picture";
    next.row(nextRows - 1)[width - 1] = 5;
    store_->prepare(size_t{width} * rowsFor(base::spareMaximumPixels) + width, 0);
    EXPECT_EQ(sparePixels(), 0u) << "no spare is made for a huge picture";
}

}  // namespace

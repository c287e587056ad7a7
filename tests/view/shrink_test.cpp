// Shrinking the picture to the frame and back, headless.

#include <gtest/gtest.h>

#include "app/frmMain.h"
#include "support/fake_pictures.h"
#include "support/fake_platform.h"
#include "ui/headless.h"
#include "view/downscale.h"

namespace {

using testsupport::solidPicture;

class ShrinkTest : public ::testing::Test {
protected:
    // A window whose picture frame is `frameWidth` × `frameHeight` with the bar shown.
    void open(int32_t frameWidth, int32_t frameHeight, int32_t pictureWidth,
              int32_t pictureHeight) {
        ui::attachHeadless(form, frameWidth, frameHeight + 85);
        form.showPicture(solidPicture(pictureWidth, pictureHeight, 0x00336699));
        form.layoutWindow();
    }
    ui::MouseArgs at(double x, double y, int button = ui::leftButton) {
        ui::MouseArgs args;
        args.button = button;
        args.x = x;
        args.y = y;
        return args;
    }

    testsupport::FakePlatform fake;
    frmMain form{fake.platform, ""};
};

TEST_F(ShrinkTest, TallPageShrinksByItsHeightAndStandsCentredWithoutBars) {
    open(1000, 520, 800, 20000);
    ASSERT_EQ(form.frImage.width(), 980);
    form.imgShrink.click();
    EXPECT_TRUE(form.shrunk());
    EXPECT_EQ(form.imgDisplay.width(), 21);
    EXPECT_EQ(form.imgDisplay.height(), 520);
    ASSERT_TRUE(form.imgDisplay.picture());
    EXPECT_EQ(form.imgDisplay.picture()->width(), 21);
    EXPECT_FALSE(form.scroll_v.visible());
    EXPECT_FALSE(form.scroll_h.visible());
    EXPECT_EQ(form.frImage.width(), 1000);
    EXPECT_EQ(form.imgDisplay.left(), 490);  // 489.5, halves to even
    EXPECT_EQ(form.imgDisplay.top(), 0);

    form.imgShrink.click();
    EXPECT_FALSE(form.shrunk());
    EXPECT_EQ(form.imgDisplay.height(), 20000);
    EXPECT_EQ(form.imgDisplay.picture(), form.imgSize.picture()) << "the original, not a copy";
    EXPECT_TRUE(form.scroll_v.visible());
    EXPECT_EQ(form.scroll_v.value(), 0);
}

TEST_F(ShrinkTest, WideLowPictureShrinksByItsWidth) {
    open(800, 500, 4000, 400);
    form.imgShrink.click();
    EXPECT_EQ(form.imgDisplay.width(), 800);
    EXPECT_EQ(form.imgDisplay.height(), 80);
}

TEST_F(ShrinkTest, PictureThatFitsKeepsItsSizeButTheStateToggles) {
    open(800, 500, 300, 200);
    form.imgShrink.click();
    EXPECT_TRUE(form.shrunk());
    EXPECT_EQ(form.imgDisplay.width(), 300);
    form.imgShrink.click();
    EXPECT_FALSE(form.shrunk());
    EXPECT_EQ(form.imgDisplay.width(), 300);
}

TEST_F(ShrinkTest, ClickOnTheShrunkPageReturnsToThatSpot) {
    open(1000, 520, 800, 20000);
    form.imgDisplay.click(at(10, 0));  // a click shrinks
    ASSERT_TRUE(form.shrunk());
    form.imgDisplay.click(at(10, 519, ui::rightButton));  // any button, the bottom row
    EXPECT_FALSE(form.shrunk());
    // Row 519 of 520 is 99.8% down the page: the end of the scroll range.
    EXPECT_NEAR(form.scroll_v.value(), form.scroll_v.max(), form.scroll_v.max() * 0.002 + 1);

    form.imgDisplay.click(at(10, 300));
    form.imgDisplay.click(at(10, 0));  // the top row
    EXPECT_EQ(form.scroll_v.value(), 0);
    EXPECT_EQ(form.imgDisplay.top(), 0);
}

TEST_F(ShrinkTest, ShiftClickOnlyArmsTheAddress) {
    open(1000, 520, 800, 20000);
    form.scroll_v.setValue(700);
    form.setShiftDown(true);
    form.imgDisplay.click(at(5, 5));
    EXPECT_FALSE(form.shrunk());
    EXPECT_EQ(form.scroll_v.value(), 700);
    EXPECT_TRUE(form.addressClickPending());
}

TEST_F(ShrinkTest, NothingHappensBeforeAPictureIsOpened) {
    ui::attachHeadless(form, 792, 617);
    const int32_t width = form.imgDisplay.width();
    form.imgShrink.click();
    form.imgDisplay.click(at(5, 5));
    EXPECT_FALSE(form.shrunk());
    EXPECT_EQ(form.imgDisplay.width(), width);
}

TEST(Downscale, AveragesWhatEachPixelCoversInsteadOfPickingOne) {
    // Fine black and white stripes shrink to an even grey, not to one colour.
    auto stripes = std::make_shared<base::Bitmap>(100, 60);
    for (int32_t y = 0; y < 60; ++y) {
        for (int32_t x = 0; x < 100; ++x) stripes->row(y)[x] = (x % 2) ? 0x00FFFFFF : 0;
    }
    const base::Picture small = view::downscale(stripes, 10, 6);
    ASSERT_EQ(small->width(), 10);
    ASSERT_EQ(small->height(), 6);
    for (int32_t y = 0; y < 6; ++y) {
        for (int32_t x = 0; x < 10; ++x) {
            const uint32_t pixel = small->row(y)[x];
            for (int shift : {0, 8, 16})
                EXPECT_NEAR(static_cast<int>((pixel >> shift) & 0xFF), 128, 1);
        }
    }
    // A size the picture already fits is the picture itself.
    EXPECT_EQ(view::downscale(stripes, 100, 60), stripes);
}

TEST(Downscale, KeepsColoursAndCoversUnevenRatios) {
    const base::Picture red = solidPicture(97, 1003, 0x00FF0000);
    const base::Picture small = view::downscale(red, 13, 131);
    for (int32_t y : {0, 65, 130}) {
        for (int32_t x : {0, 6, 12}) EXPECT_EQ(small->row(y)[x], 0x00FF0000u);
    }
}

}  // namespace

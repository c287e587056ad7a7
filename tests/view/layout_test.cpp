// The main window's layout and scrolling, driven headless through its events.

#include <gtest/gtest.h>

#include <cmath>

#include "app/frmMain.h"
#include "support/fake_pictures.h"
#include "support/fake_platform.h"
#include "ui/headless.h"

namespace {

class WindowTest : public ::testing::Test {
protected:
    // A window whose client area is `width` × `height` pixels, laid out.
    void open(int32_t width = 792, int32_t height = 617) {
        ui::attachHeadless(form, width, height);
    }
    // Shows a picture and lays the window out, as opening a file does.
    void show(int32_t width, int32_t height) {
        // Headless nothing reads the pixels, so huge pictures are left unfilled.
        form.showPicture(std::make_shared<base::Bitmap>(width, height));
        form.layoutWindow();
    }

    testsupport::FakePlatform fake;
    frmMain form{fake.platform, ""};
};

TEST_F(WindowTest, DesignSizeLaysTheBarOutFromTheRightEdge) {
    open(792, 617);
    EXPECT_EQ(form.lblTessmire.width(), 11880);
    EXPECT_EQ(form.imgTitle.width(), 11880);
    EXPECT_EQ(form.imgShrink.left(), 11490);
    EXPECT_EQ(form.imgBottom.left(), 11135);
    EXPECT_EQ(form.imgDown.left(), 10770);
    EXPECT_EQ(form.imgNext.left(), 10420);
    EXPECT_EQ(form.imgPrev.left(), 10070);
    for (const ui::Image* button :
         {&form.imgShrink, &form.imgBottom, &form.imgDown, &form.imgNext, &form.imgPrev}) {
        EXPECT_EQ(button->top(), 465) << button->name();
    }
    for (const ui::Image& go : form.imgGo) EXPECT_EQ(go.left(), 11105);
    EXPECT_EQ(form.lblAddress.left(), 1080);
    EXPECT_EQ(form.lblAddress.width(), 9930);
    for (const ui::Line& line : form.Line1) EXPECT_EQ(line.x2(), 11880) << line.name();
    EXPECT_EQ(form.Line1[0].x1(), 15);
    EXPECT_EQ(form.lblTitle.left(), 120);

    EXPECT_TRUE(form.frAddress.visible());
    EXPECT_EQ(form.frAddress.left(), 0);
    EXPECT_EQ(form.frAddress.width(), 792);
    EXPECT_EQ(form.frImage.top(), 85);
    EXPECT_EQ(form.frImage.width(), 792);
    EXPECT_EQ(form.frImage.height(), 532);
}

// The design is for 96 DPI; at any other DPI what the window places in pixels
// grows with it, and the bar's contents, placed in twips, stay inside the bar.
TEST(WindowDpiTest, AtEveryDpiTheDesignIsScaledAndNothingLeavesTheBar) {
    struct Case {
        int dpi;
        int32_t barHeight, barThickness, startup;
    };
    const Case cases[] = {{96, 85, 19, 277}, {144, 128, 28, 277}, {192, 170, 38, 554}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        testsupport::FakePlatform fake;
        frmMain form{fake.platform, ""};
        const double twipsPerPixel = 1440.0 / c.dpi;
        form.backendSetScreenMetrics(twipsPerPixel, twipsPerPixel);
        const auto pixels = [&](int32_t twips) {
            return static_cast<int32_t>(std::lround(twips / twipsPerPixel));
        };
        const int32_t width = pixels(11880);
        const int32_t height = pixels(9255);
        ui::attachHeadless(form, width, height);

        EXPECT_EQ(form.frAddress.height(), c.barHeight);
        EXPECT_EQ(form.frImage.top(), c.barHeight);
        EXPECT_EQ(form.frImage.height(), height - c.barHeight);
        EXPECT_EQ(form.imgDisplay.width(), c.startup);
        for (const ui::Control* child : form.frAddress.children()) {
            if (!child->visible() || dynamic_cast<const ui::Line*>(child)) continue;
            EXPECT_LE(pixels(child->top() + child->height()), c.barHeight) << child->name();
            EXPECT_LE(pixels(child->left() + child->width()), width + 1) << child->name();
        }
        for (const ui::Line& line : form.Line1) EXPECT_LT(pixels(line.y1()), c.barHeight);

        form.showPicture(std::make_shared<base::Bitmap>(2 * width, 4 * height));
        form.layoutWindow();
        EXPECT_EQ(form.scroll_v.width(), c.barThickness);
        EXPECT_EQ(form.scroll_h.height(), c.barThickness);
        EXPECT_LE(form.scroll_v.left() + form.scroll_v.width(), width);
        EXPECT_LE(form.scroll_h.top() + form.scroll_h.height(), height);
        EXPECT_GE(form.scroll_h.top(), form.frImage.top() + form.frImage.height());
    }
}

// Moved to a screen of another DPI, the window places its pixels anew.
TEST_F(WindowTest, ADpiChangeReplacesWhatIsInPixels) {
    open(792, 617);
    form.backendSetScreenMetrics(7.5, 7.5);
    ui::resizeClient(form, 1584, 1234);
    EXPECT_EQ(form.frAddress.height(), 170);
    EXPECT_EQ(form.frImage.top(), 170);
    EXPECT_EQ(form.imgDisplay.width(), 554) << "the start-up picture drawn for 200%";
    form.backendSetScreenMetrics(15, 15);
    ui::resizeClient(form, 792, 617);
    EXPECT_EQ(form.frAddress.height(), 85);
    EXPECT_EQ(form.imgDisplay.width(), 277);
}

TEST_F(WindowTest, StartUpPictureStaysCentredWithoutScrollBars) {
    open(792, 617);
    EXPECT_FALSE(form.scroll_v.visible());
    EXPECT_FALSE(form.scroll_h.visible());
    EXPECT_EQ(form.imgDisplay.left(), (792 - 277) / 2 + 1);  // 257.5 rounds to the even 258
    EXPECT_EQ(form.imgDisplay.top(), (532 - 277) / 2 + 1);   // 127.5 rounds to 128
    ui::resizeClient(form, 900, 700);
    EXPECT_EQ(form.imgDisplay.left(), 312);  // 311.5
    EXPECT_EQ(form.imgDisplay.top(), 169);   // 169.0
}

TEST_F(WindowTest, WithTheBarTheWindowSnapsBackToItsMinimumWidth) {
    open(792, 617);
    ui::resizeClient(form, 300, 617);  // 4740 twips outside
    EXPECT_EQ(form.outerWidth(), 5300);
    EXPECT_EQ(form.clientWidth(), 337);
    EXPECT_EQ(form.frImage.width(), 337);
    EXPECT_EQ(form.imgShrink.left(), 337 * 15 - 390);
}

TEST_F(WindowTest, WithoutTheBarTheWindowMayBeNarrowButIsNotLaidOutBelowItsLimit) {
    open(792, 617);
    form.setAddressBarShown(false);
    ui::resizeClient(form, 340, 617);  // 5340 twips: laid out
    EXPECT_EQ(form.clientWidth(), 340);
    EXPECT_FALSE(form.frAddress.visible());
    EXPECT_EQ(form.frImage.top(), 0);
    EXPECT_EQ(form.frImage.height(), 617);
    EXPECT_EQ(form.frImage.width(), 340);

    ui::resizeClient(form, 300, 500);  // 4740 twips: left as it was
    EXPECT_EQ(form.clientWidth(), 300);
    EXPECT_EQ(form.frImage.width(), 340);
    EXPECT_EQ(form.frImage.height(), 617);
}

TEST_F(WindowTest, MinimisedWindowIsLeftAloneAndRestoringLaysItOut) {
    open(792, 617);
    ui::minimize(form);
    EXPECT_EQ(form.frImage.width(), 792);
    ui::resizeClient(form, 1000, 700);
    EXPECT_EQ(form.frImage.width(), 1000);
    EXPECT_EQ(form.frImage.height(), 615);
}

TEST_F(WindowTest, TallNarrowPictureGetsOnlyTheVerticalBarBesideANarrowerFrame) {
    open(792, 617);
    show(400, 3000);
    EXPECT_TRUE(form.scroll_v.visible());
    EXPECT_TRUE(form.vScrollShown());
    EXPECT_FALSE(form.scroll_h.visible());
    EXPECT_EQ(form.scroll_h.max(), 100);
    EXPECT_EQ(form.frImage.width(), 772);
    EXPECT_EQ(form.scroll_v.left(), 772);
    EXPECT_EQ(form.scroll_v.top(), 85);
    EXPECT_EQ(form.scroll_v.height(), 532);
    EXPECT_EQ(form.scroll_v.max(), 3000 - 532);
    EXPECT_EQ(form.imgDisplay.left(), 186);
    EXPECT_EQ(form.imgDisplay.top(), 0);
}

TEST_F(WindowTest, PictureExactlyAsTallAsTheFrameNeedsNoBar) {
    open(792, 617);
    show(400, 532);
    EXPECT_FALSE(form.scroll_v.visible());
    EXPECT_FALSE(form.vScrollShown());
    EXPECT_EQ(form.frImage.width(), 792);
    EXPECT_EQ(form.imgDisplay.top(), 0);
}

TEST_F(WindowTest, WithBothBarsTheLastRowAndColumnComeIntoView) {
    open(792, 617);
    show(2000, 3000);
    EXPECT_EQ(form.frImage.width(), 772);
    EXPECT_EQ(form.frImage.height(), 512);
    EXPECT_EQ(form.scroll_h.max(), 2000 - 772);
    EXPECT_EQ(form.scroll_v.max(), 3000 - 512);
    EXPECT_EQ(form.scroll_h.top(), 617 - 20);
    EXPECT_EQ(form.scroll_h.width(), 772);
    EXPECT_EQ(form.scroll_v.height(), 512);

    form.scroll_h.setValue(30);
    EXPECT_EQ(form.imgDisplay.left(), -30);
    form.scroll_h.setValue(form.scroll_h.max());
    form.scroll_v.setValue(form.scroll_v.max());
    EXPECT_EQ(form.imgDisplay.left() + 2000, 772) << "the last column is the frame's last";
    EXPECT_LE(form.imgDisplay.top() + 3000, 512) << "the last row is inside the frame";
}

TEST_F(WindowTest, OneBarsStripCanMakeTheOtherBarNeeded) {
    open(792, 617);  // a frame 792 x 532
    // As tall as the frame, but wider: the horizontal bar's strip leaves 512
    // rows, so the picture needs the vertical bar as well.
    show(1000, 532);
    EXPECT_TRUE(form.scroll_h.visible());
    EXPECT_TRUE(form.scroll_v.visible());
    EXPECT_EQ(form.scroll_v.max(), 532 - 512);

    // As wide as the frame, but taller: the vertical bar's strip leaves 772 columns.
    show(792, 3000);
    EXPECT_TRUE(form.scroll_h.visible());
    EXPECT_EQ(form.scroll_h.max(), 792 - 772);

    // Fitting within the strips needs neither bar, and stays centred.
    show(772, 512);
    EXPECT_FALSE(form.scroll_h.visible());
    EXPECT_FALSE(form.scroll_v.visible());
    EXPECT_EQ(form.imgDisplay.left(), 10);
    EXPECT_EQ(form.imgDisplay.top(), 10);
}

TEST_F(WindowTest, ScrollValueMapsToThePictureTopSkippingFiveRows) {
    open(792, 617);
    show(400, 3000);
    form.scroll_v.setValue(1);
    EXPECT_EQ(form.imgDisplay.top(), -6);
    form.scroll_v.setValue(2);
    EXPECT_EQ(form.imgDisplay.top(), -7);
    form.scroll_v.setValue(0);
    EXPECT_EQ(form.imgDisplay.top(), 0);
    form.scroll_v.setValue(form.scroll_v.max());
    EXPECT_EQ(form.imgDisplay.top() + 3000, 532 - 5)
        << "the bottom stops 5 pixels above the frame's";
}

TEST_F(WindowTest, PagingKeepsThirtyPixelsAndJumpsToTheEnds) {
    open(792, 585);  // a frame 500 pixels high
    show(400, 2500);
    ASSERT_EQ(form.frImage.height(), 500);
    ASSERT_EQ(form.scroll_v.max(), 2000);
    std::vector<int> values;
    for (int i = 0; i < 6; ++i) {
        form.imgDown.click();
        values.push_back(form.scroll_v.value());
    }
    EXPECT_EQ(values, (std::vector<int>{470, 940, 1410, 1880, 2000, 2000}));

    form.setShiftDown(true);
    values.clear();
    for (int i = 0; i < 6; ++i) {
        form.imgDown.click();
        values.push_back(form.scroll_v.value());
    }
    EXPECT_EQ(values, (std::vector<int>{1530, 1060, 590, 120, 0, 0}));
}

TEST_F(WindowTest, ToTheEndAndBackToTheTop) {
    open(792, 617);
    show(400, 3000);
    form.scroll_v.setValue(100);
    form.imgBottom.click();
    EXPECT_EQ(form.scroll_v.value(), form.scroll_v.max());
    form.imgBottom.click();
    EXPECT_EQ(form.scroll_v.value(), 0);
    EXPECT_EQ(form.imgDisplay.top(), 0);
}

TEST_F(WindowTest, PagingButtonsDoNothingWithoutTheVerticalBar) {
    open(792, 617);
    show(300, 300);
    const int32_t top = form.imgDisplay.top();
    form.imgDown.click();
    form.imgBottom.click();
    EXPECT_EQ(form.imgDisplay.top(), top);
    EXPECT_EQ(form.scroll_v.value(), 0);
}

TEST_F(WindowTest, NewLayoutRestartsTheViewAtTheTop) {
    open(792, 617);
    show(400, 3000);
    form.scroll_v.setValue(900);
    ui::resizeClient(form, 800, 600);
    EXPECT_EQ(form.scroll_v.value(), 0);
    EXPECT_EQ(form.imgDisplay.top(), 0);
}

// Page captures beyond the 16-bit scroll range scroll end to end.
TEST_F(WindowTest, PictureOf65000RowsScrollsToItsLastRow) {
    open(792, 617);
    show(700, 65000);
    const int32_t frameHeight = form.frImage.height();
    EXPECT_EQ(form.scroll_v.max(), 32767);
    form.imgBottom.click();
    EXPECT_EQ(form.imgDisplay.top() + 65000, frameHeight - 5) << "last row in view";

    // Paging from the top reaches the end without skipping any rows.
    form.imgBottom.click();
    int32_t previousTop = form.imgDisplay.top();
    int steps = 0;
    while (form.scroll_v.value() < form.scroll_v.max() && steps < 1000) {
        form.imgDown.click();
        const int32_t moved = previousTop - form.imgDisplay.top();
        EXPECT_GT(moved, 0);
        EXPECT_LE(moved, frameHeight - 30 + 5);
        previousTop = form.imgDisplay.top();
        ++steps;
    }
    EXPECT_EQ(form.imgDisplay.top() + 65000, frameHeight - 5);
    EXPECT_GT(steps, 100);
}

TEST_F(WindowTest, ValuesNearTheSixteenBitLimitStillMoveThePicture) {
    open(792, 617);
    show(400, 532 + 32767);
    form.scroll_v.setValue(32767);
    EXPECT_EQ(form.imgDisplay.top(), -(32767 + 5));
}

}  // namespace

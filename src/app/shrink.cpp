// Shrinking the picture to fit the frame, and back to its original size.

#include "app/frmMain.h"
#include "base/resume_next.h"
#include "base/rounding.h"
#include "base/text.h"
#include "view/downscale.h"

namespace {

// ShrinkState: the tag of the shrink button, read as a number.
bool isShrunk(const ui::Image& shrinkButton) {
    return base::leadingNumber(shrinkButton.tag()) == 1;
}

// The proportional side: worked out in double precision, kept in single
// precision as the window's properties are, then made whole.
int32_t proportional(int32_t side, int32_t otherSide, int32_t newOtherSide) {
    const auto value = static_cast<float>(static_cast<double>(side) / otherSide * newOtherSide);
    return base::roundTo<int32_t>(value);
}

}  // namespace

void frmMain::image_shrink() {
    if (!pictureLoaded_) return;
    // The smaller rendering is made from every row.
    waitForWholePicture();
    int32_t height = pictureHeight_;
    int32_t width = pictureWidth_;
    if (frImage.height() < height) {
        height = frImage.height();
        width = proportional(pictureWidth_, pictureHeight_, height);
    }
    if (frImage.width() < width) {
        width = frImage.width();
        height = proportional(pictureHeight_, pictureWidth_, width);
    }
    imgDisplay.setPicture(view::downscale(imgSize.picture(), width, height));
    imgDisplay.setHeight(height);
    imgDisplay.setWidth(width);
    layoutWindow();
}

void frmMain::imgShrink_Click() {
    if (!pictureLoaded_) return;
    if (!isShrunk(imgShrink)) {
        imgShrink.setTag("1");
        image_shrink();
    } else {
        imgDisplay.setHeight(pictureHeight_);
        imgDisplay.setWidth(pictureWidth_);
        // The original is the one decoded picture: nothing is drawn anew.
        imgDisplay.setPicture(imgSize.picture());
        imgShrink.setTag("0");
        layoutWindow();
    }
}

void frmMain::imgDisplay_MouseUp(const ui::MouseArgs& args) {
    if (shiftClick_.held()) return;
    if (!isShrunk(imgShrink)) {
        imgShrink_Click();
        return;
    }
    // Each step resumes at the next when it fails, as with a value that does
    // not fit the scroll bar.
    using base::resumeNext;
    int32_t x0 = 0;
    int32_t y0 = 0;
    resumeNext([&] { x0 = base::roundTo<int32_t>(args.x / imgDisplay.width() * pictureWidth_); });
    resumeNext([&] { y0 = base::roundTo<int32_t>(args.y / imgDisplay.height() * pictureHeight_); });
    imgShrink_Click();
    const double fx = static_cast<double>(x0) / pictureWidth_;
    const double fy = static_cast<double>(y0) / pictureHeight_;
    resumeNext([&] {
        if (scroll_v.visible()) scroll_v.setValue(base::roundTo<int16_t>(scroll_v.max() * fy));
    });
    resumeNext([&] {
        if (scroll_h.visible()) scroll_h.setValue(base::roundTo<int16_t>(scroll_h.max() * fx));
    });
}

void frmMain::imgDisplay_Click() { shiftClick_.pictureClicked(); }

// Shrinking the picture to fit the frame, and back to its original size.

#include "app/frmMain.h"
#include "base/resume_next.h"
#include "base/rounding.h"
#include "view/downscale.h"

void frmMain::image_shrink() {
    if (!viewport_.loaded()) return;
    // The smaller rendering is made from every row.
    waitForWholePicture();
    const view::Size size = viewport_.shrunkSize(frImage.width(), frImage.height());
    imgDisplay.setPicture(view::downscale(imgSize.picture(), size.width, size.height));
    imgDisplay.setHeight(size.height);
    imgDisplay.setWidth(size.width);
    layoutWindow();
}

void frmMain::imgShrink_Click() {
    if (!viewport_.loaded()) return;
    if (!viewport_.shrunk()) {
        viewport_.setShrunk(true);
        image_shrink();
    } else {
        imgDisplay.setHeight(viewport_.pictureHeight());
        imgDisplay.setWidth(viewport_.pictureWidth());
        // The original is the one decoded picture: nothing is drawn anew.
        imgDisplay.setPicture(imgSize.picture());
        viewport_.setShrunk(false);
        layoutWindow();
    }
}

void frmMain::imgDisplay_MouseUp(const ui::MouseArgs& args) {
    if (shiftClick_.held()) return;
    if (!viewport_.shrunk()) {
        imgShrink_Click();
        return;
    }
    // Each step resumes at the next when it fails, as with a value that does
    // not fit the scroll bar.
    using base::resumeNext;
    int32_t x0 = 0;
    int32_t y0 = 0;
    resumeNext([&] {
        x0 = base::roundTo<int32_t>(args.x / imgDisplay.width() * viewport_.pictureWidth());
    });
    resumeNext([&] {
        y0 = base::roundTo<int32_t>(args.y / imgDisplay.height() * viewport_.pictureHeight());
    });
    imgShrink_Click();
    const double fx = static_cast<double>(x0) / viewport_.pictureWidth();
    const double fy = static_cast<double>(y0) / viewport_.pictureHeight();
    resumeNext([&] {
        if (scroll_v.visible()) scroll_v.setValue(base::roundTo<int16_t>(scroll_v.max() * fy));
    });
    resumeNext([&] {
        if (scroll_h.visible()) scroll_h.setValue(base::roundTo<int16_t>(scroll_h.max() * fx));
    });
}

void frmMain::imgDisplay_Click() { shiftClick_.pictureClicked(); }

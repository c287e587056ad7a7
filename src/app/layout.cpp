// The main window's layout: the address bar stretched over the client width
// with its buttons placed from the right edge, and the picture frame below it.

#include "app/frmMain.h"
#include "base/app_error.h"
#include "base/resume_next.h"
#include "base/rounding.h"

using base::resumeNext;

namespace {

// The minimum outer width (twips) of a window that shows the address bar.
constexpr int32_t minimumWidthWithBar = 5300;
// Below these outer sizes (twips) the window is not laid out at all.
constexpr int32_t layoutMinimumWidth = 5000;
constexpr int32_t layoutMinimumHeight = 500;

}  // namespace

void frmMain::layoutWindow() {
    if (outerWidth() < layoutMinimumWidth || outerHeight() < layoutMinimumHeight) return;

    // Every statement resumes at the next one when it fails.
    if (addressBarShown_) {
        resumeNext([&] { frAddress.setVisible(true); });
        resumeNext([&] { frAddress.setTop(0); });
        resumeNext([&] { frAddress.setLeft(0); });
        resumeNext([&] { lblTessmire.setLeft(0); });
        resumeNext([&] { frAddress.setWidth(clientWidth()); });
        // The bar's width in its own scale, twips.
        const auto barWidth =
            base::roundTo<int32_t>(static_cast<double>(frAddress.width()) * twipsPerPixelX());
        resumeNext([&] { lblTessmire.setWidth(barWidth); });
        for (ui::Line& line : Line1) resumeNext([&] { line.setX2(barWidth); });
        for (ui::Image& go : imgGo) resumeNext([&] { go.setLeft(barWidth - 775); });
        resumeNext([&] { lblAddress.setWidth(barWidth - 1950); });
        resumeNext([&] { imgTitle.setWidth(barWidth); });
        resumeNext([&] { imgShrink.setLeft(barWidth - 390); });
        resumeNext([&] { imgBottom.setLeft(imgShrink.left() - 355); });
        resumeNext([&] { imgDown.setLeft(imgBottom.left() - 365); });
        resumeNext([&] { imgNext.setLeft(imgDown.left() - 350); });
        resumeNext([&] { imgPrev.setLeft(imgNext.left() - 350); });
        for (ui::Image* button : {&imgBottom, &imgDown, &imgNext, &imgPrev}) {
            resumeNext([&] { button->setTop(imgShrink.top()); });
        }
    } else {
        resumeNext([&] { frAddress.setVisible(false); });
    }

    resumeNext([&] { frImage.setTop(addressBarShown_ ? frAddress.height() : 0); });
    const int32_t frameHeight = clientHeight() - (addressBarShown_ ? scaledY(addressBarHeight) : 0);
    if (!viewport_.loaded()) {
        resumeNext([&] { frImage.setHeight(frameHeight); });
        resumeNext([&] { frImage.setWidth(clientWidth()); });
        return;
    }
    // The frame is sized once, less the strips of the bars the picture needs:
    // each change of its size moves and repaints windows. A failure inside the
    // scroll-bar set-up ends it, and with it the layout.
    resumeNext([&] {
        setupScrollBars(imgDisplay.width(), imgDisplay.height(), clientWidth(), frameHeight);
    });
}

void frmMain::Form_Resize() {
    if (windowState() == ui::WindowState::minimized) return;
    // The address bar never gets narrower than this; setting the width resizes
    // the window again, which lays it out once more.
    if (outerWidth() < minimumWidthWithBar && addressBarShown_) setOuterWidth(minimumWidthWithBar);
    layoutWindow();
    centerPicture();
}

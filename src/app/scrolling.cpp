// Scrolling and paging: which scroll bars the picture needs, how their values
// move the picture inside the frame, and the paging buttons.

#include <algorithm>

#include "app/frmMain.h"
#include "base/resume_next.h"
#include "base/rounding.h"
#include "view/paging.h"

namespace {

// The maximum a hidden scroll bar is given.
constexpr int16_t hiddenMaximum = 100;
// Rows skipped at the top as soon as the picture is scrolled at all.
constexpr int32_t scrolledTopMargin = 5;

// Half the room left around a picture that fits, rounded halves to even.
int32_t centred(int32_t frame, int32_t picture) {
    return base::roundTo<int32_t>((static_cast<double>(frame) - picture) / 2);
}

}  // namespace

void frmMain::setupScrollBars(int32_t pictureWidth, int32_t pictureHeight, int32_t frameWidth,
                              int32_t frameHeight) {
    // One bar's strip can make the other bar needed: a picture that fits the
    // frame but not the frame less that strip gets a bar too, and never has
    // its edges cut off.
    // The room made beside the frame for a bar, at the window's DPI.
    const int32_t roomX = scaledX(scrollBarRoom);
    const int32_t roomY = scaledY(scrollBarRoom);
    bool needVertical = pictureHeight > frameHeight;
    bool needHorizontal = pictureWidth > frameWidth;
    needVertical = needVertical || (needHorizontal && pictureHeight > frameHeight - roomY);
    needHorizontal = needHorizontal || (needVertical && pictureWidth > frameWidth - roomX);
    needVertical = needVertical || (needHorizontal && pictureHeight > frameHeight - roomY);
    // The ranges run over what the frame shows beside the bars, so the
    // picture's last rows and columns can always be brought into view.
    const int32_t shownWidth = frameWidth - (needVertical ? roomX : 0);
    const int32_t shownHeight = frameHeight - (needHorizontal ? roomY : 0);
    frImage.move(frImage.left(), frImage.top(), shownWidth, shownHeight);

    if (needHorizontal) {
        scroll_h.setLeft(frImage.left());
        scroll_h.setTop(clientHeight() - roomY);
        scroll_h.setWidth(frImage.width());
        hScale_ = view::ScrollScale(pictureWidth - shownWidth);
        scroll_h.setMax(hScale_.maxValue());
        scroll_h.setVisible(true);
        scroll_h.setValue(0);
        imgDisplay.setLeft(0);
    } else {
        scroll_h.setMax(hiddenMaximum);
        scroll_h.setVisible(false);
        imgDisplay.setLeft(centred(frImage.width(), imgDisplay.width()));
    }

    if (needVertical) {
        scroll_v.setTop(frImage.top());
        scroll_v.setHeight(frImage.height());
        scroll_v.setLeft(frImage.width());
        vScale_ = view::ScrollScale(pictureHeight - shownHeight);
        scroll_v.setMax(vScale_.maxValue());
        scroll_v.setVisible(true);
        scroll_v.setValue(0);
        imgDisplay.setTop(0);
        vScrollShown_ = true;
    } else {
        scroll_v.setMax(hiddenMaximum);
        scroll_v.setVisible(false);
        vScrollShown_ = false;
        imgDisplay.setTop(centred(frImage.height(), imgDisplay.height()));
    }
}

void frmMain::centerPicture() {
    if (scroll_h.visible() || scroll_v.visible()) return;
    imgDisplay.setTop(centred(frImage.height(), imgDisplay.height()));
    imgDisplay.setLeft(centred(frImage.width(), imgDisplay.width()));
}

void frmMain::scroll_h_Change() {
    base::resumeNext([&] { imgDisplay.setLeft(-hScale_.pixels(scroll_h.value())); });
}

void frmMain::scroll_v_Change() {
    // Offsets are 32-bit: a value near the 16-bit maximum still reaches the
    // picture's last rows.
    base::resumeNext([&] {
        const int16_t value = scroll_v.value();
        imgDisplay.setTop(value > 0 ? -(vScale_.pixels(value) + scrolledTopMargin) : 0);
    });
}

void frmMain::imgDown_Click() {
    if (!scroll_v.visible()) return;
    // With Shift held (for the gesture on the picture) the button pages up.
    const int32_t target =
        shiftClick_.held()
            ? view::pageUpFrom(scroll_v.value(), scroll_v.max(), frImage.height(), vScale_)
            : view::pageDownFrom(scroll_v.value(), scroll_v.max(), frImage.height(), vScale_);
    scroll_v.setValue(static_cast<int16_t>(target));
}

void frmMain::imgBottom_Click() {
    if (!scroll_v.visible()) return;
    scroll_v.setValue(scroll_v.value() == scroll_v.max() ? int16_t{0}
                                                         : base::roundTo<int16_t>(scroll_v.max()));
}

void frmMain::showPicture(base::Picture picture) {
    const int32_t width = picture ? picture->width() : 0;
    const int32_t height = picture ? picture->height() : 0;
    imgSize.setPicture(picture);
    // The print holder takes its picture's size.
    imgPrint.setPicture(picture);
    imgPrint.setWidth(width);
    imgPrint.setHeight(height);
    imgDisplay.setPicture(std::move(picture));
    imgDisplay.setWidth(width);
    imgDisplay.setHeight(height);
    pictureWidth_ = width;
    pictureHeight_ = height;
    pictureLoaded_ = true;
}

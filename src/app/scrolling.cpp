// Scrolling and paging: which scroll bars the picture needs, how their values
// move the picture inside the frame, and the paging buttons.

#include <algorithm>

#include "app/frmMain.h"
#include "base/resume_next.h"
#include "base/rounding.h"
#include "view/viewport.h"

namespace {

// The maximum a hidden scroll bar is given.
constexpr int16_t hiddenMaximum = 100;

using view::centred;

}  // namespace

void frmMain::setupScrollBars(int32_t pictureWidth, int32_t pictureHeight, int32_t frameWidth,
                              int32_t frameHeight) {
    // The room made beside the frame for a bar, at the window's DPI.
    const int32_t roomY = scaledY(scrollBarRoom);
    const view::Bars bars = viewport_.placeBars({pictureWidth, pictureHeight}, frameWidth,
                                                frameHeight, scaledX(scrollBarRoom), roomY);
    const int32_t shownWidth = bars.shownWidth;
    const int32_t shownHeight = bars.shownHeight;
    frImage.move(frImage.left(), frImage.top(), shownWidth, shownHeight);

    if (bars.horizontal) {
        scroll_h.setLeft(frImage.left());
        scroll_h.setTop(clientHeight() - roomY);
        scroll_h.setWidth(frImage.width());
        scroll_h.setMax(viewport_.horizontalScale().maxValue());
        scroll_h.setVisible(true);
        scroll_h.setValue(0);
        imgDisplay.setLeft(0);
    } else {
        scroll_h.setMax(hiddenMaximum);
        scroll_h.setVisible(false);
        imgDisplay.setLeft(centred(frImage.width(), imgDisplay.width()));
    }

    if (bars.vertical) {
        scroll_v.setTop(frImage.top());
        scroll_v.setHeight(frImage.height());
        scroll_v.setLeft(frImage.width());
        scroll_v.setMax(viewport_.verticalScale().maxValue());
        scroll_v.setVisible(true);
        scroll_v.setValue(0);
        imgDisplay.setTop(0);
    } else {
        scroll_v.setMax(hiddenMaximum);
        scroll_v.setVisible(false);
        imgDisplay.setTop(centred(frImage.height(), imgDisplay.height()));
    }
}

void frmMain::centerPicture() {
    if (scroll_h.visible() || scroll_v.visible()) return;
    imgDisplay.setTop(centred(frImage.height(), imgDisplay.height()));
    imgDisplay.setLeft(centred(frImage.width(), imgDisplay.width()));
}

void frmMain::scroll_h_Change() {
    base::resumeNext([&] { imgDisplay.setLeft(viewport_.leftFor(scroll_h.value())); });
}

void frmMain::scroll_v_Change() {
    base::resumeNext([&] { imgDisplay.setTop(viewport_.topFor(scroll_v.value())); });
}

void frmMain::imgDown_Click() {
    if (!scroll_v.visible()) return;
    // With Shift held (for the gesture on the picture) the button pages up.
    const int32_t value = scroll_v.value();
    const int32_t target = shiftClick_.held()
                               ? viewport_.pageUp(value, scroll_v.max(), frImage.height())
                               : viewport_.pageDown(value, scroll_v.max(), frImage.height());
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
    viewport_.pictureShown(width, height);
}

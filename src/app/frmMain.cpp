// The main window as it is designed: every control in its place, with its
// fonts, colours, pictures and tooltips, before any layout runs.

#include "app/frmMain.h"

#include <utility>

#include "base/rounding.h"

namespace {

using platform::PictureId;

// Design places of the window's own children are given in twips and kept in
// pixels, the window's scale, at the design's 15 twips per pixel.
constexpr int32_t px(int32_t twips) { return twips / 15; }

const ui::Color grey = ui::rgb(128, 128, 128);

}  // namespace

frmMain::frmMain(platform::Platform& platform, std::string commandLine)
    : ui::Form("frmMain"), platform_(platform), commandLine_(std::move(commandLine)) {
    buildControls();
    wireEvents();
}

frmMain::~frmMain() {
    if (windowHooked_) platform_.windowHook.unhookWindow(nativeHandle());
}

void frmMain::buildControls() {
    platform::PictureResources& pictures = platform_.pictures;

    setCaption(std::string(productCaption));
    frAddress.move(px(-15), px(0), px(12225), px(1275));

    // Children of the address bar, in twips.
    imgTitle.move(-15, 0, 1845, 405);
    imgTitle.setStretch(true);
    imgTitle.setPicture(pictures.picture(PictureId::titleBand));

    lblTitle.move(120, 75, 60, 285);
    lblTitle.setAutoSize(true);
    lblTitle.setTransparent(true);
    lblTitle.setForeColor(ui::white);
    lblTitle.setFont({"Times New Roman", 12, false, false});

    lblTessmire.move(-15, 405, 12090, 480);
    lblTessmire.setCaption("Tessmire");
    lblTessmire.setAlignment(ui::Alignment::center);
    lblTessmire.setFont({"Times New Roman", 18, true, true});

    Line1[0].setPoints(15, 870, 5564, 870);
    Line1[0].setColor(ui::white);
    Line1[0].setBorderWidth(2);
    Line1[1].setPoints(0, 855, 5564, 855);
    Line1[1].setColor(grey);
    Line1[2].setPoints(15, 1215, 5579, 1215);
    Line1[2].setColor(grey);
    Line1[3].setPoints(30, 1230, 5579, 1230);
    Line1[3].setColor(ui::white);
    Line1[3].setBorderWidth(2);

    Label1.move(120, 915, 945, 240);
    Label1.setCaption("Address:");
    Label1.setAutoSize(true);
    Label1.setFont({"MS Sans Serif", 9.75, true, false});

    lblAddress.move(1080, 893, 4245, 285);
    lblAddress.setBackColor(ui::white);
    lblAddress.setBordered(true);

    const std::array<PictureId, 3> goLooks = {PictureId::goNormal, PictureId::goHover,
                                              PictureId::goPressed};
    for (size_t i = 0; i < imgGo.size(); ++i) {
        imgGo[i].move(7575, 893, 765, 345);
        imgGo[i].setPicture(pictures.picture(goLooks[i]));
        imgGo[i].setVisible(i == 0);
        imgGo[i].setMouseIcon(ui::PointerIcon::hand);
    }

    struct Button {
        ui::Image& image;
        int32_t left, top, size;
        PictureId picture;
        const char* toolTip;
    };
    const Button buttons[] = {
        {imgPrev, 9330, 480, 330, PictureId::previous, "Previous"},
        {imgNext, 9870, 480, 330, PictureId::next, "Next"},
        {imgDown, 10365, 465, 360, PictureId::pageDown, "Page Up/Down"},
        {imgBottom, 10875, 465, 360, PictureId::toEnd, "Home/End"},
        {imgShrink, 11295, 465, 360, PictureId::shrink, "Shrink/Original size"},
    };
    for (const Button& button : buttons) {
        button.image.move(button.left, button.top, button.size, button.size);
        button.image.setPicture(pictures.picture(button.picture));
        button.image.setToolTip(button.toolTip);
        button.image.setMouseIcon(ui::PointerIcon::hand);
    }
    imgShrink.setTag("0");

    // The picture frame and the picture, in pixels.
    frImage.move(px(15), px(1245), px(9135), px(6060));
    frImage.setBackColor(ui::white);
    imgDisplay.move(px(795), px(435), px(4155), px(4155));
    imgDisplay.setBackColor(ui::rgb(239, 241, 241));
    imgDisplay.setPicture(pictures.picture(PictureId::startup));
    imgDisplay.setToolTip("[Shift]+Click to follow the address...");

    scroll_h.move(px(0), px(8100), px(2820), px(285));
    scroll_h.setVisible(false);
    scroll_v.move(px(2850), px(1260), px(285), px(2280));
    scroll_v.setVisible(false);
    for (ui::FlatScrollBar* bar : {&scroll_h, &scroll_v}) {
        bar->setSmallChange(100);
        bar->setLargeChange(50);
    }

    imgSize.move(px(270), px(6195), px(510), px(465));
    imgSize.setStretch(true);
    imgSize.setVisible(false);
    imgPrint.move(px(135), px(6795), px(915), px(1350));
    imgPrint.setVisible(false);
    file_currDir.move(px(1335), px(7440), px(945), px(420));
    file_currDir.setPattern("*.jpeg;*.jpg;*.mire;*.mre");
    file_currDir.setVisible(false);
    lstFile.setVisible(false);
}

void frmMain::wireEvents() {
    Resize = [this] { Form_Resize(); };
    scroll_h.Change = [this] { scroll_h_Change(); };
    scroll_v.Change = [this] { scroll_v_Change(); };
    imgDown.Click = [this] { imgDown_Click(); };
    imgBottom.Click = [this] { imgBottom_Click(); };
    imgShrink.Click = [this] { imgShrink_Click(); };
    imgNext.Click = [this] { imgNext_Click(); };
    imgPrev.Click = [this] { imgPrev_Click(); };
    imgDisplay.MouseUp = [this](const ui::MouseArgs& args) { imgDisplay_MouseUp(args); };
    imgDisplay.Click = [this] { imgDisplay_Click(); };

    // Key codes and shift states fit 16 bits; a value that did not would be
    // the backend's fault, and raises.
    KeyDown = [this](int keyCode, int shift) {
        Form_KeyDown(base::roundTo<int16_t>(keyCode), base::roundTo<int16_t>(shift));
    };
    KeyUp = [this](int keyCode, int shift) {
        Form_KeyUp(base::roundTo<int16_t>(keyCode), base::roundTo<int16_t>(shift));
    };
    for (size_t i = 0; i < imgGo.size(); ++i) {
        const auto index = static_cast<int16_t>(i);
        imgGo[i].MouseMove = [this, index](const ui::MouseArgs& a) { imgGo_MouseMove(index, a); };
        imgGo[i].MouseDown = [this, index](const ui::MouseArgs& a) { imgGo_MouseDown(index, a); };
        imgGo[i].MouseUp = [this, index](const ui::MouseArgs& a) { imgGo_MouseUp(index, a); };
    }
    MouseMove = [this](const ui::MouseArgs& args) { Form_MouseMove(args); };
    frImage.MouseMove = [this](const ui::MouseArgs& args) { frImage_MouseMove(args); };
    frAddress.MouseMove = [this](const ui::MouseArgs& args) { frAddress_MouseMove(args); };
    imgDisplay.MouseMove = [this](const ui::MouseArgs& args) { imgDisplay_MouseMove(args); };
    Label1.MouseMove = [this](const ui::MouseArgs& args) { Label1_MouseMove(args); };
    lblTessmire.MouseMove = [this](const ui::MouseArgs& args) { lblTessmire_MouseMove(args); };
}

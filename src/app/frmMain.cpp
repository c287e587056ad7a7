// The main window as it is designed: every control in its place, with its
// fonts, colours, pictures and tooltips, before any layout runs.

#include "app/frmMain.h"

#include <utility>

#include "base/rounding.h"

namespace {

using platform::PictureId;

const ui::Color grey = ui::rgb(128, 128, 128);

}  // namespace

frmMain::frmMain(platform::Platform& platform, std::string commandLine)
    : ui::Form("frmMain"), platform_(platform), commandLine_(std::move(commandLine)) {
    buildControls();
    placeInPixels();
    wireEvents();
}

frmMain::~frmMain() {
    if (windowHooked_) platform_.windowHook.unhookWindow(nativeHandle());
}

void frmMain::buildControls() {
    setCaption(std::string(productCaption));

    // Children of the address bar, in twips: they follow the window's DPI
    // by themselves.
    imgTitle.move(-15, 0, 1845, 405);
    imgTitle.setStretch(true);

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

    for (size_t i = 0; i < imgGo.size(); ++i) {
        imgGo[i].move(7575, 893, 765, 345);
        imgGo[i].setStretch(true);
        imgGo[i].setVisible(i == 0);
        imgGo[i].setMouseIcon(ui::PointerIcon::hand);
    }

    struct Button {
        ui::Image& image;
        int32_t left, top, size;
        const char* toolTip;
    };
    const Button buttons[] = {
        {imgPrev, 9330, 480, 330, "Previous"},
        {imgNext, 9870, 480, 330, "Next"},
        {imgDown, 10365, 465, 360, "Page Up/Down"},
        {imgBottom, 10875, 465, 360, "Home/End"},
        {imgShrink, 11295, 465, 360, "Shrink/Original size"},
    };
    for (const Button& button : buttons) {
        button.image.move(button.left, button.top, button.size, button.size);
        button.image.setStretch(true);
        button.image.setToolTip(button.toolTip);
        button.image.setMouseIcon(ui::PointerIcon::hand);
    }

    frImage.setBackColor(ui::white);
    imgDisplay.setBackColor(ui::rgb(239, 241, 241));
    imgDisplay.setToolTip("[Shift]+Click to follow the address...");

    scroll_h.setVisible(false);
    scroll_v.setVisible(false);
    for (ui::FlatScrollBar* bar : {&scroll_h, &scroll_v}) {
        bar->setSmallChange(100);
        bar->setLargeChange(50);
    }

    imgSize.setStretch(true);
    imgSize.setVisible(false);
    imgPrint.setVisible(false);
    file_currDir.setPattern("*.jpeg;*.jpg;*.mire;*.mre");
    file_currDir.setVisible(false);
    lstFile.setVisible(false);
}

void frmMain::placeInPixels() {
    // The window's own children are designed in twips at 15 twips a pixel and
    // placed in pixels, at the window's DPI.
    const auto x = [this](int32_t twips) { return scaledX(twips / 15); };
    const auto y = [this](int32_t twips) { return scaledY(twips / 15); };

    frAddress.move(x(-15), y(0), x(12225), scaledY(addressBarHeight));
    frImage.move(x(15), y(1245), x(9135), y(6060));
    scroll_h.move(x(0), y(8100), x(2820), scaledY(scrollBarThickness));
    scroll_v.move(x(2850), y(1260), scaledX(scrollBarThickness), y(2280));
    imgSize.move(x(270), y(6195), x(510), y(465));
    imgPrint.move(x(135), y(6795), x(915), y(1350));
    file_currDir.move(x(1335), y(7440), x(945), y(420));

    // The pictures drawn for this DPI, stretched to their places; the
    // start-up picture, whole, until a page shows.
    const int dpi = base::roundTo<int>(1440 / twipsPerPixelY());
    const auto picture = [&](PictureId id) { return platform_.pictures.picture(id, dpi); };
    imgTitle.setPicture(picture(PictureId::titleBand));
    const std::array<PictureId, 3> goLooks = {PictureId::goNormal, PictureId::goHover,
                                              PictureId::goPressed};
    for (size_t i = 0; i < imgGo.size(); ++i) imgGo[i].setPicture(picture(goLooks[i]));
    imgPrev.setPicture(picture(PictureId::previous));
    imgNext.setPicture(picture(PictureId::next));
    imgDown.setPicture(picture(PictureId::pageDown));
    imgBottom.setPicture(picture(PictureId::toEnd));
    imgShrink.setPicture(picture(PictureId::shrink));
    if (!viewport_.loaded()) {
        base::Picture startup = picture(PictureId::startup);
        const int32_t width = startup ? startup->width() : x(4155);
        const int32_t height = startup ? startup->height() : y(4155);
        imgDisplay.move(x(795), y(435), width, height);
        imgDisplay.setPicture(std::move(startup));
    }
}

void frmMain::wireEvents() {
    Resize = [this] { Form_Resize(); };
    ScaleChanged = [this] { placeInPixels(); };
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
        return Form_KeyDown(base::roundTo<int16_t>(keyCode), base::roundTo<int16_t>(shift));
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
    Deactivate = [this] { Form_Deactivate(); };
    MessagePosted = [this](uint32_t message) { Form_MessagePosted(message); };
    FilesDropped = [this](const std::vector<std::string>& paths) { Form_FilesDropped(paths); };
    MouseMove = [this](const ui::MouseArgs& args) { Form_MouseMove(args); };
    frImage.MouseMove = [this](const ui::MouseArgs& args) { frImage_MouseMove(args); };
    frAddress.MouseMove = [this](const ui::MouseArgs& args) { frAddress_MouseMove(args); };
    imgDisplay.MouseMove = [this](const ui::MouseArgs& args) { imgDisplay_MouseMove(args); };
    Label1.MouseMove = [this](const ui::MouseArgs& args) { Label1_MouseMove(args); };
    lblTessmire.MouseMove = [this](const ui::MouseArgs& args) { lblTessmire_MouseMove(args); };
}

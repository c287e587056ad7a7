#include "about/frmAbout.h"

#include <string>

#include "base/rounding.h"
#include "base/text.h"
#include "net/open_or_tell.h"

namespace {

constexpr int16_t enterKey = 13;
constexpr int16_t escapeKey = 27;

const ui::Color linkBlue = ui::rgb(0, 0, 255);

ui::Font arial(double points, bool bold = false) { return {"Arial", points, bold, false}; }

}  // namespace

frmAbout::frmAbout(platform::Platform& platform)
    : ui::Form("frmAbout", ui::ScaleMode::twips), platform_(platform) {
    buildControls();
    wireEvents();
}

void frmAbout::buildControls() {
    setCaption("About Tessmire");
    setDesignSize(5640, 4320);

    Frame1.move(180, 120, 5280, 2040);
    Frame1.setBordered(true);
    Frame1.setCaption("About Tessmire");
    Frame1.setFont(arial(9, true));
    Frame2.move(180, 2280, 5280, 1380);
    Frame2.setBordered(true);
    Frame2.setCaption("Warning");
    Frame2.setFont({"Times New Roman", 11, true, false});
    for (ui::Frame* frame : {&Frame1, &Frame2}) frame->setBackColor(ui::buttonFace);

    struct Line {
        ui::Label& label;
        int32_t left, top;
        ui::Font font;
        std::string_view caption;
    };
    const Line lines[] = {
        {Label1[0], 240, 330, arial(16, true), "Tessmire"},
        {lblVersion, 240, 840, arial(9), "Version "},
        {Label1[1], 240, 1110, arial(9), "The viewer for page images of the web."},
        {Label1[2], 240, 330, arial(8), "This program is protected by copyright law."},
        {Label1[3], 240, 600, arial(8), "Copying or passing it on, whole or in part,"},
        {Label1[4], 240, 870, arial(8), "without the maker's permission is not allowed."},
    };
    for (const Line& line : lines) {
        line.label.move(line.left, line.top, 0, 0);
        line.label.setAutoSize(true);
        line.label.setTransparent(true);
        line.label.setFont(line.font);
        line.label.setCaption(std::string(line.caption));
    }
    // The link takes the frame's width rather than its text's: Wine may draw
    // a caption a few pixels wider than it measures it, cutting off its end.
    Label2.move(240, 1560, 4800, 255);
    Label2.setTransparent(true);
    Label2.setFont({"Arial", 9, false, false, true});
    Label2.setCaption(std::string(siteAddress));
    Label2.setForeColor(linkBlue);
    Label2.setMouseIcon(ui::PointerIcon::hand);
    Label2.setToolTip("Open the web site in your browser");

    cmdOK.move(4140, 3780, 1320, 375);
    cmdOK.setCaption("OK");
    cmdOK.setFont(arial(9));
}

void frmAbout::wireEvents() {
    Label2.Click = [this] { Label2_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    KeyDown = [this](int keyCode, int shift) {
        Form_KeyDown(base::roundTo<int16_t>(keyCode), base::roundTo<int16_t>(shift));
        return false;
    };
}

void frmAbout::showModeless() {
    if (!isOpen()) Form_Load();
    show();
}

void frmAbout::Form_Load() { lblVersion.setCaption("Version v1.2"); }

void frmAbout::Label2_Click() {
    // The box stays open whether or not the browser starts.
    mdlNet::openBrowserOrTell(platform_, base::trimBlanks(Label2.caption()));
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::Form_KeyDown(int16_t keyCode, int16_t /*shift*/) {
    if (keyCode == enterKey || keyCode == escapeKey) cmdOK_Click();
}

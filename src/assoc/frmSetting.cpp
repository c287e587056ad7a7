#include "assoc/frmSetting.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "assoc/mdlFileAssoc.h"

namespace {

using platform::Platform;

// What each box stands for, by index.
struct Extension {
    std::string_view ext;
    void (*associate)(Platform&);
    void (*unassociate)(Platform&);
};

constexpr std::array<Extension, 4> extensions = {{
    {".mire", [](Platform& p) { mdlFileAssoc::associateMire(p.registry, p.shell); },
     [](Platform& p) { mdlFileAssoc::unassociateMire(p.registry, p.shell); }},
    {".jpeg", [](Platform& p) { mdlFileAssoc::associateJpeg(p.registry, p.files, p.shell); },
     [](Platform& p) { mdlFileAssoc::unassociateJpeg(p.registry, p.shell); }},
    {".mre", [](Platform& p) { mdlFileAssoc::associateMre(p.registry, p.shell); },
     [](Platform& p) { mdlFileAssoc::unassociateMre(p.registry, p.shell); }},
    {".jpg", [](Platform& p) { mdlFileAssoc::associateJpg(p.registry, p.files, p.shell); },
     [](Platform& p) { mdlFileAssoc::unassociateJpg(p.registry, p.shell); }},
}};

constexpr std::string_view confirmTitle = "Please confirm...";

}  // namespace

frmSetting::frmSetting(Platform& platform)
    : ui::Form("frmSetting", ui::ScaleMode::twips), platform_(platform) {
    buildControls();
    cmdAssoc.Click = [this] { cmdAssoc_Click(); };
    cmdDeAssoc.Click = [this] { cmdDeAssoc_Click(); };
}

void frmSetting::buildControls() {
    setCaption("File Association");
    setDesignSize(6270, 2580);

    Frame1.move(150, 180, 5910, 1065);
    Frame1.setBordered(true);
    Frame1.setCaption("File Extenstion");
    Frame1.setBackColor(ui::buttonFace);

    struct Box {
        int32_t left;
        std::string_view caption;
    };
    constexpr std::array<Box, 4> boxes = {
        {{195, "MIRE"}, {1620, "JPEG"}, {3300, "MRE"}, {4800, "JPG"}}};
    for (size_t i = 0; i < boxes.size(); ++i) {
        chkExt[i].move(boxes[i].left, 420, 900, 255);
        chkExt[i].setCaption(std::string(boxes[i].caption));
    }

    Label1.move(150, 1290, 150, 240);
    Label1.setCaption("**");
    Label2.move(345, 1275, 4320, 195);
    Label2.setCaption("Checked extension(s) are associated to open with TSViewer.");
    for (ui::Label* label : {&Label1, &Label2}) label->setTransparent(true);

    cmdAssoc.move(4305, 1785, 1755, 360);
    cmdAssoc.setCaption("JPEG Associate");
    cmdDeAssoc.move(135, 1785, 1755, 360);
    cmdDeAssoc.setCaption("JPEG Unassociate");
}

void frmSetting::showModeless() {
    if (!isOpen()) Form_Load();
    show();
}

void frmSetting::Form_Load() {
    for (size_t i = 0; i < extensions.size(); ++i)
        chkExt[i].setValue(mdlFileAssoc::isAssociated(platform_.registry, extensions[i].ext));
}

void frmSetting::cmdAssoc_Click() {
    if (declined("Are you sure to associate those extension(s) to be open with TSViewer?")) return;
    // Before any take-over: the ProgIDs borrow the icon of whatever opens ".jpeg" now.
    mdlFileAssoc::registerProgIds(platform_.registry, platform_.shell);
    for (size_t i = 0; i < extensions.size(); ++i) {
        if (chkExt[i].value() == ui::CheckBox::ticked) extensions[i].associate(platform_);
    }
    reportDone();
    Form_Load();
}

void frmSetting::cmdDeAssoc_Click() {
    if (declined("Are you sure to Unassociate those extension(s) from TSViewer?")) return;
    for (size_t i = 0; i < extensions.size(); ++i) {
        if (chkExt[i].value() != ui::CheckBox::ticked) continue;
        extensions[i].unassociate(platform_);
        chkExt[i].setValue(ui::CheckBox::cleared);
    }
    reportDone();
    Form_Load();
}

bool frmSetting::declined(std::string_view question) {
    const int style = platform::message_style::yesNo | platform::message_style::question;
    return platform_.dialogs.messageBox(question, confirmTitle, style) ==
           platform::message_answer::no;
}

void frmSetting::reportDone() {
    platform_.dialogs.messageBox("It is done!", "Command executed.",
                                 platform::message_style::exclamation);
}

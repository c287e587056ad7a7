#include "assoc/frmSetting.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assoc/assoc_outcome.h"
#include "assoc/mdlFileAssoc.h"
#include "assoc/refusal_watch.h"

namespace {

using platform::Platform;
using platform::Registry;

// What each box stands for, by index. The operations write through the
// registry they are given, so the dialog can watch for refused writes.
struct Extension {
    std::string_view ext;
    void (*associate)(Registry&, Platform&);
    void (*unassociate)(Registry&, Platform&);
};

constexpr std::array<Extension, 4> extensions = {{
    {".mire", [](Registry& r, Platform& p) { mdlFileAssoc::associateMire(r, p.shell); },
     [](Registry& r, Platform& p) { mdlFileAssoc::unassociateMire(r, p.shell); }},
    {".jpeg", [](Registry& r, Platform& p) { mdlFileAssoc::associateJpeg(r, p.files, p.shell); },
     [](Registry& r, Platform& p) { mdlFileAssoc::unassociateJpeg(r, p.shell); }},
    {".mre", [](Registry& r, Platform& p) { mdlFileAssoc::associateMre(r, p.shell); },
     [](Registry& r, Platform& p) { mdlFileAssoc::unassociateMre(r, p.shell); }},
    {".jpg", [](Registry& r, Platform& p) { mdlFileAssoc::associateJpg(r, p.files, p.shell); },
     [](Registry& r, Platform& p) { mdlFileAssoc::unassociateJpg(r, p.shell); }},
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
    // Sized to their text: a design width in twips does not hold the text at
    // every DPI, since fonts do not grow in step with the DPI.
    for (ui::Label* label : {&Label1, &Label2}) {
        label->setTransparent(true);
        label->setAutoSize(true);
    }

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
        chkExt[i].setValue(mdlFileAssoc::opensWithViewer(platform_.registry, extensions[i].ext)
                               ? ui::CheckBox::ticked
                               : ui::CheckBox::cleared);
}

void frmSetting::cmdAssoc_Click() {
    if (declined("Are you sure to associate those extension(s) to be open with TSViewer?")) return;
    // Before any take-over: the ProgIDs borrow the icon of whatever opens ".jpeg" now.
    mdlFileAssoc::registerProgIds(platform_.registry, platform_.shell);
    std::vector<mdlFileAssoc::ExtensionResult> results;
    for (size_t i = 0; i < extensions.size(); ++i) {
        if (chkExt[i].value() == ui::CheckBox::ticked) results.push_back(change(i, true));
    }
    tell(results, true);
    Form_Load();
}

void frmSetting::cmdDeAssoc_Click() {
    if (declined("Are you sure to Unassociate those extension(s) from TSViewer?")) return;
    std::vector<mdlFileAssoc::ExtensionResult> results;
    for (size_t i = 0; i < extensions.size(); ++i) {
        if (chkExt[i].value() != ui::CheckBox::ticked) continue;
        results.push_back(change(i, false));
        chkExt[i].setValue(ui::CheckBox::cleared);
    }
    tell(results, false);
    Form_Load();
}

bool frmSetting::declined(std::string_view question) {
    const int style = platform::message_style::yesNo | platform::message_style::question;
    return platform_.dialogs.messageBox(question, confirmTitle, style) ==
           platform::message_answer::no;
}

mdlFileAssoc::ExtensionResult frmSetting::change(size_t index, bool associating) {
    const Extension& extension = extensions.at(index);
    const bool couldGiveBack = mdlFileAssoc::canGiveBack(platform_.registry, extension.ext);
    mdlFileAssoc::RefusalWatch watch(platform_.registry);
    (associating ? extension.associate : extension.unassociate)(watch, platform_);
    return {extension.ext, mdlFileAssoc::judge(platform_.registry, extension.ext, associating,
                                               watch.refused(), couldGiveBack)};
}

void frmSetting::tell(const std::vector<mdlFileAssoc::ExtensionResult>& results, bool associating) {
    const mdlFileAssoc::Report told = mdlFileAssoc::report(results, associating);
    const int answer = platform_.dialogs.messageBox(told.text, told.title, told.style);
    if (!told.offersDefaultApps || answer != platform::message_answer::yes) return;
    constexpr intptr_t lastFailure = 32;  // ShellExecute's results up to 32 are errors
    if (platform_.shell.shellExecute("open", mdlFileAssoc::defaultAppsUri, "", "") <= lastFailure) {
        platform_.dialogs.messageBox(
            "Windows' Settings could not be opened. Open Settings > Apps > Default apps yourself.",
            told.title, platform::message_style::exclamation);
    }
}

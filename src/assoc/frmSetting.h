#pragma once
// The association settings: a box per extension the viewer can open, ticked
// when the viewer opens it now, and two buttons that associate or unassociate
// whatever is ticked, each after the user confirms. Shown modeless and
// without an owner; one instance, which showing again brings to the front.
// The registry work is mdlFileAssoc's, which reports nothing; the dialog
// compares each ticked extension before and after, says "It is done!" only
// when every change took effect, and otherwise says what did not and why.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "assoc/assoc_outcome.h"

#include "platform/platform.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/picture_box.h"

class frmSetting : public ui::Form {
public:
    // The platform outlives the window.
    explicit frmSetting(platform::Platform& platform);

    // Controls, placed in twips. chkExt(i) stands for ".mire", ".jpeg",
    // ".mre" and ".jpg" in that order, whatever its caption says.
    ui::Frame Frame1{this, "Frame1"};
    std::array<ui::CheckBox, 4> chkExt{{{&Frame1, "chkExt(0)"},
                                        {&Frame1, "chkExt(1)"},
                                        {&Frame1, "chkExt(2)"},
                                        {&Frame1, "chkExt(3)"}}};
    ui::Label Label1{this, "Label1"};
    ui::Label Label2{this, "Label2"};
    ui::CommandButton cmdAssoc{this, "cmdAssoc"};
    ui::CommandButton cmdDeAssoc{this, "cmdDeAssoc"};

    // Loads the form when it has no window (Form_Load), then shows it, or
    // brings the shown window to the front.
    void showModeless();

    // Ticks each box whose extension opens with the viewer now (the user's
    // Default apps choice, where there is one, decides), clears the rest.
    void Form_Load();
    // After "Yes": the ProgIDs, then each ticked extension taken over; then
    // what came of it.
    void cmdAssoc_Click();
    // After "Yes": each ticked extension given back; then what came of it.
    void cmdDeAssoc_Click();

private:
    void buildControls();
    // Whether the user answers the question "No".
    bool declined(std::string_view question);
    // Runs the operation of box `index` and judges what it did.
    mdlFileAssoc::ExtensionResult change(size_t index, bool associating);
    // Tells the user what came of the ticked extensions; where only the user
    // can choose the program, offers Settings' Default apps.
    void tell(const std::vector<mdlFileAssoc::ExtensionResult>& results, bool associating);

    platform::Platform& platform_;
};

#pragma once
// The about box: the product and its version, the product's web site as a
// link, and a short legal notice. Shown modeless and without an owner; one
// instance, which showing again brings to the front.

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/platform.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/picture_box.h"

class frmAbout : public ui::Form {
public:
    // The platform outlives the window.
    explicit frmAbout(platform::Platform& platform);

    // Controls, placed in twips.
    ui::Frame Frame1{this, "Frame1"};
    ui::Label lblVersion{&Frame1, "lblVersion"};
    ui::Label Label2{&Frame1, "Label2"};
    ui::Frame Frame2{this, "Frame2"};
    // The fixed lines: the product's name and what it is, then the notice.
    std::array<ui::Label, 5> Label1{{{&Frame1, "Label1(0)"},
                                     {&Frame1, "Label1(1)"},
                                     {&Frame2, "Label1(2)"},
                                     {&Frame2, "Label1(3)"},
                                     {&Frame2, "Label1(4)"}}};
    ui::CommandButton cmdOK{this, "cmdOK"};

    // The product's web site, as the link shows it.
    static constexpr std::string_view siteAddress = "https://www.example.org/tessmire/";

    // Loads the form when it is not shown (Form_Load), then shows it, or
    // brings the shown window to the front.
    void showModeless();

    void Form_Load();
    void Label2_Click();
    void cmdOK_Click();
    // Enter and Escape close the box, as its OK button would.
    void Form_KeyDown(int16_t keyCode, int16_t shift);

private:
    void buildControls();
    void wireEvents();

    platform::Platform& platform_;
};

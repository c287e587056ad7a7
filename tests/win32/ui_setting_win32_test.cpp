// Check boxes on the Win32 backend, and the association settings dialog's
// window: what the boxes show, a click toggling the value once, and the
// dialog's texts as the user sees them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assoc/frmSetting.h"
#include "platform/win32/win32_platform.h"
#include "ui/check_box.h"
#include "ui/picture_box.h"
#include "ui/win32/backend.h"

namespace {

using ui::win32::windowOf;

std::wstring textOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

LRESULT checkOf(const ui::CheckBox& box) { return SendMessageW(windowOf(box), BM_GETCHECK, 0, 0); }

// A box on the form itself and one inside a frame: their clicks come through
// different windows.
struct BoxForm : ui::Form {
    BoxForm() : ui::Form("BoxForm", ui::ScaleMode::twips) {
        frame.move(150, 150, 3000, 1000);
        inFrame.move(150, 300, 900, 255);
        onForm.move(150, 1500, 900, 255);
        for (ui::CheckBox* box : {&inFrame, &onForm}) {
            box->setCaption("MIRE");
            box->setValue(ui::CheckBox::ticked);
        }
    }
    ui::Frame frame{this, "frame"};
    ui::CheckBox inFrame{&frame, "inFrame"};
    ui::CheckBox onForm{this, "onForm"};
};

TEST(CheckBoxWindow, ShowsItsCaptionAndValueAndAClickTogglesTheValueThenFiresClickOnce) {
    BoxForm form;
    ui::win32::WindowOptions options;
    options.clientWidth = 300;
    options.clientHeight = 200;
    options.mainWindow = false;
    ui::win32::createWindow(form, options);

    for (ui::CheckBox* box : {&form.inFrame, &form.onForm}) {
        SCOPED_TRACE(box->name());
        const HWND window = windowOf(*box);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(textOf(window), L"MIRE");
        EXPECT_EQ(checkOf(*box), BST_CHECKED);
        box->setCaption("JPG");
        EXPECT_EQ(textOf(window), L"JPG");
        box->setValue(ui::CheckBox::cleared);
        EXPECT_EQ(checkOf(*box), BST_UNCHECKED);

        std::vector<int16_t> valuesAtClick;
        box->Click = [&] { valuesAtClick.push_back(box->value()); };
        SendMessageW(window, BM_CLICK, 0, 0);
        EXPECT_EQ(box->value(), ui::CheckBox::ticked);
        EXPECT_EQ(valuesAtClick, std::vector<int16_t>{ui::CheckBox::ticked});
        SendMessageW(window, BM_CLICK, 0, 0);
        EXPECT_EQ(box->value(), ui::CheckBox::cleared);
        EXPECT_EQ(checkOf(*box), BST_UNCHECKED);
        EXPECT_EQ(valuesAtClick.size(), 2u);
    }
    form.close();
}

TEST(SettingDialogWindow, AnUnownedWindowWithTheDialogsTextsShownOnceAndMadeAnewAfterClosing) {
    platform::Win32Platform real;
    frmSetting setting(real.platform);
    ui::win32::attachScreen();

    setting.showModeless();
    const HWND window = windowOf(setting);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(textOf(window), L"File Association");

    const std::wstring boxTexts[] = {L"MIRE", L"JPEG", L"MRE", L"JPG"};
    for (size_t i = 0; i < setting.chkExt.size(); ++i) {
        const HWND box = windowOf(setting.chkExt[i]);
        EXPECT_EQ(textOf(box), boxTexts[i]) << i;
        EXPECT_EQ(GetParent(box), windowOf(setting.Frame1)) << i;
        EXPECT_EQ(checkOf(setting.chkExt[i]) == BST_CHECKED,
                  setting.chkExt[i].value() == ui::CheckBox::ticked)
            << i;
    }
    EXPECT_EQ(textOf(windowOf(setting.cmdAssoc)), L"JPEG Associate");
    EXPECT_EQ(textOf(windowOf(setting.cmdDeAssoc)), L"JPEG Unassociate");

    setting.showModeless();
    EXPECT_EQ(windowOf(setting), window);
    setting.close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(setting.isOpen());
    setting.close();  // nothing to close

    setting.showModeless();
    ASSERT_TRUE(setting.isOpen());
    EXPECT_EQ(textOf(windowOf(setting.chkExt[3])), L"JPG");
    setting.close();
}

}  // namespace

// Check boxes on the Win32 backend, and the association settings dialog's
// window: what the boxes show, a click toggling the value once, and the
// dialog's and the about box's texts as the user sees them, whole at any DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "assoc/frmSetting.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_platform.h"
#include "ui/check_box.h"
#include "ui/picture_box.h"
#include "ui/win32/backend.h"
#include "ui/win32/label_text.h"
#include "ui_window_probe.h"

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

// How far the ink of `caption` reaches across and down, drawn unclipped.
SIZE inkOf(const std::string& caption, const ui::Font& font, double twipsPerPixel) {
    constexpr LONG width = 1200, height = 100;
    BITMAPINFO format{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    const platform::win32::ScopedBitmap canvas(
        CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const platform::win32::ScopedDc dc(CreateCompatibleDC(nullptr));
    const auto madeFont = ui::win32::createFont(font, twipsPerPixel);
    const platform::win32::SelectedObject inCanvas(dc.get(), canvas.get());
    const platform::win32::SelectedObject inFont(dc.get(), madeFont.get());
    PatBlt(dc.get(), 0, 0, width, height, WHITENESS);
    RECT area{0, 0, width, height};
    const std::wstring text = platform::win32::utf8ToWide(caption);
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &area,
              DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
    GdiFlush();
    SIZE ink{};
    for (LONG at = 0; at < width * height; ++at) {
        if ((static_cast<const uint32_t*>(bits)[at] & 0xFFFFFF) == 0xFFFFFF) continue;
        ink = {std::max(ink.cx, at % width + 1), std::max(ink.cy, at / width + 1)};
    }
    return ink;
}

// Each control lies inside its container, and each caption's ink inside its
// control with what the control takes besides (96 DPI pixels): nothing is cut.
void expectCaptionsWhole(const ui::Form& form, const ui::Container& container) {
    const ui::win32::ContainerScale scale(container.scaleMode(),
                                          {form.twipsPerPixelX(), form.twipsPerPixelY()});
    const RECT inside = uiprobe::clientRect(windowOf(container));
    for (const ui::Control* control : container.children()) {
        const ui::win32::PixelRect rect = ui::win32::pixelRect(*control, scale);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right() <= inside.right &&
                    rect.bottom() <= inside.bottom)
            << control->name();
        const auto fits = [&](const auto& captioned, int besides) {
            const SIZE ink = inkOf(captioned.caption(), captioned.font(), form.twipsPerPixelY());
            EXPECT_LE(ink.cx + form.scaledX(besides), rect.width) << captioned.caption();
            EXPECT_LE(ink.cy, rect.height) << captioned.caption();
        };
        if (const auto* label = dynamic_cast<const ui::Label*>(control)) {
            fits(*label, 2 * ui::win32::borderThickness(*label));
        } else if (const auto* box = dynamic_cast<const ui::CheckBox*>(control)) {
            fits(*box, 13 + 6);  // the box and its gap
        } else if (const auto* button = dynamic_cast<const ui::CommandButton*>(control)) {
            fits(*button, 2 * 4);  // the edges
        } else if (const auto* frame = dynamic_cast<const ui::Frame*>(control)) {
            fits(*frame, 2 * 8);  // the indents
            expectCaptionsWhole(form, *frame);
        }
    }
}

TEST(DialogWindows, EveryCaptionIsWholeAtTheScreensDpi) {
    platform::Win32Platform real;
    frmSetting setting(real.platform);
    frmAbout about(real.platform);
    ui::win32::attachScreen();
    setting.showModeless();
    about.showModeless();
    expectCaptionsWhole(setting, setting);
    expectCaptionsWhole(about, about);
    setting.close();
    about.close();
}

}  // namespace

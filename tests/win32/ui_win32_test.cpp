// The window toolkit's Win32 backend with real windows: where the windows go,
// what they paint, and how the mouse, the keys and the scroll bars come back
// as the controls' events.
#include "ui/win32/backend.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/screen.h"
#include "ui/scroll_bar.h"
#include "ui_window_probe.h"

namespace {

using ui::win32::pumpMessages;
using ui::win32::windowOf;
using uiprobe::clientRect;
using uiprobe::pixelAt;
using uiprobe::pixelOf;
using uiprobe::rectIn;

constexpr ui::Color barColor = ui::rgb(200, 200, 190);
constexpr ui::Color pageColor = ui::rgb(90, 90, 90);
constexpr ui::Color coverColor = ui::rgb(0, 160, 0);
constexpr ui::Color lineColor = ui::rgb(128, 0, 128);
constexpr uint32_t topBand = 0xCC2020;  // 0x00RRGGBB
constexpr uint32_t bottomBand = 0x2020CC;

// A test page's pixel tells where it is: its row in red and green, its column in blue.
constexpr uint32_t pagePixel(int32_t x, int32_t y) {
    return (static_cast<uint32_t>((y >> 8) & 0xFF) << 16) | (static_cast<uint32_t>(y & 0xFF) << 8) |
           static_cast<uint32_t>(x & 0xFF);
}

std::shared_ptr<base::Bitmap> makePage(int32_t width, int32_t height) {
    auto page = std::make_shared<base::Bitmap>(width, height);
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = page->row(y);
        for (int32_t x = 0; x < width; ++x) row[x] = pagePixel(x, y);
    }
    return page;
}

// One column, two rows: stretched, the top half must show the first row.
base::Picture twoBands() {
    auto bands = std::make_shared<base::Bitmap>(1, 2);
    bands->row(0)[0] = topBand;
    bands->row(1)[0] = bottomBand;
    return bands;
}

POINT pointOf(int x, int y) { return {x, y}; }
LPARAM at(POINT point) { return MAKELPARAM(point.x, point.y); }

// A window with a control of every kind the backend knows, in both scales.
struct TestForm : ui::Form {
    TestForm() : ui::Form("TestForm") {
        setCaption("Backend test");
        // Out by a pixel on both sides, as the program's address bar is.
        bar.move(-1, 0, 402, 60);
        bar.setBackColor(barColor);
        barImage.move(3000, 150, 765, 345);  // pixels 200, 10, 51, 23
        barImage.setStretch(true);
        barImage.setPicture(twoBands());
        barImage.setToolTip("Image tip");
        barImage.setMouseIcon(ui::PointerIcon::hand);
        glassLabel.move(3600, 150, 150, 150);  // over the image's right part
        glassLabel.setTransparent(true);
        glassLabel.setAutoSize(true);
        glassLabel.setCaption(".");
        barLine.setPoints(0, 855, 6000, 855);  // pixel row 57
        barLine.setColor(lineColor);
        barLine.setBorderWidth(2);
        for (ui::Label* label : {&barLabel, &pixelLabel}) {
            label->setAutoSize(true);
            label->setFont({"Times New Roman", 12, true, false});
            label->setCaption("Address:");
        }
        barLabel.move(120, 915, 60, 60);
        pixelLabel.move(250, 230, 10, 10);
        // 100.53, 21.47, 100 and 19.47 pixels: rounded, not cut.
        barBox.move(1508, 322, 1500, 292);
        barBox.setBackColor(ui::white);

        frame.move(10, 70, 200, 150);
        frame.setBackColor(ui::white);
        page.move(0, 0, 120, 60000);
        page.setBackColor(pageColor);
        page.setPicture(makePage(120, 60000));
        page.setToolTip("Page tip");
        cover.move(150, 200, 100, 50);
        cover.setBackColor(coverColor);

        scroll.move(380, 70, 19, 150);
        scroll.setSmallChange(7);
        scroll.setLargeChange(50);
        scroll.setMax(500);
        list.addItem("data only");
    }

    ui::Frame bar{this, "bar"};
    ui::Image barImage{&bar, "barImage"};
    ui::Label glassLabel{&bar, "glassLabel"};
    ui::Line barLine{&bar, "barLine"};
    ui::Label barLabel{&bar, "barLabel"};
    ui::PictureBox barBox{&bar, "barBox"};
    ui::PictureBox frame{this, "frame"};
    ui::PictureBox page{&frame, "page"};
    ui::Frame cover{this, "cover", ui::ScaleMode::pixels};
    ui::FlatScrollBar scroll{this, "scroll", ui::Orientation::vertical};
    ui::Label pixelLabel{this, "pixelLabel"};
    ui::ListBox list{this, "list"};
};

class Win32Backend : public ::testing::Test {
protected:
    void SetUp() override {
        form.Resize = [this] { ++resizes; };
        ui::win32::WindowOptions options;
        options.clientWidth = 400;
        options.clientHeight = 300;
        options.mainWindow = false;
        options.closing = [this] { ++closings; };
        ui::win32::createWindow(form, options);
        ui::win32::showWindow(form, SW_SHOW);
        pumpMessages(form);
    }

    // Records the mouse events of a control, named.
    void record(ui::Control& control, const std::string& name) {
        control.MouseDown = [this, name](const ui::MouseArgs& args) { log("down", name, args); };
        control.MouseUp = [this, name](const ui::MouseArgs& args) { log("up", name, args); };
        control.Click = [this, name] { events.push_back("click " + name); };
    }
    void log(const std::string& what, const std::string& name, const ui::MouseArgs& args) {
        events.push_back(what + " " + name + " b" + std::to_string(args.button) + " s" +
                         std::to_string(args.shift) + " " + std::to_string(std::lround(args.x)) +
                         "," + std::to_string(std::lround(args.y)));
    }
    void press(HWND window, POINT point, UINT down, UINT up, WPARAM keys = 0) {
        SendMessageW(window, down, keys, at(point));
        SendMessageW(window, up, keys, at(point));
    }

    TestForm form;
    int resizes = 0;
    int closings = 0;
    std::vector<std::string> events;
};

TEST_F(Win32Backend, FormWindowHasTheClientSizeCentredOnTheWorkArea) {
    const HWND window = windowOf(form);
    ASSERT_NE(window, nullptr);
    const RECT client = clientRect(window);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
    EXPECT_EQ(form.clientWidth(), 400);
    EXPECT_EQ(form.clientHeight(), 300);
    EXPECT_GE(resizes, 1);

    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(form.outerWidth(), std::lround((outer.right - outer.left) * form.twipsPerPixelX()));
    EXPECT_EQ(form.outerHeight(), std::lround((outer.bottom - outer.top) * form.twipsPerPixelY()));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((outer.left + outer.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1);

    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    EXPECT_EQ(std::wstring(text), L"Backend test");
    form.setCaption("Renamed");
    GetWindowTextW(window, text, 64);
    EXPECT_EQ(std::wstring(text), L"Renamed");
    GetClassNameW(window, text, 64);
    EXPECT_EQ(std::wstring(text), L"TessmireMain");
}

TEST_F(Win32Backend, SettingTheOuterSizeResizesTheWindowBeforeItReturns) {
    const int before = resizes;
    form.setOuterWidth(6000);  // 400 pixels at 15 twips per pixel
    RECT outer{};
    GetWindowRect(windowOf(form), &outer);
    EXPECT_EQ(outer.right - outer.left, std::lround(6000 / form.twipsPerPixelX()));
    EXPECT_EQ(form.outerWidth(), 6000);
    EXPECT_GT(resizes, before);
    EXPECT_EQ(form.clientWidth(), clientRect(windowOf(form)).right);
    EXPECT_LT(form.clientWidth(), 400);
}

TEST_F(Win32Backend, ChildWindowsStandWhereTheirControlsSayInTheirContainersScale) {
    const HWND top = windowOf(form);
    // The bar reaches a pixel past both sides: its window is cut to the client area.
    EXPECT_EQ(rectIn(windowOf(form.bar), top), (RECT{0, 0, 400, 60}));
    // Twips, each rounded to the nearest pixel, from the bar's own left at -1.
    EXPECT_EQ(rectIn(windowOf(form.barBox), top), (RECT{100, 21, 200, 40}));
    EXPECT_EQ(rectIn(windowOf(form.frame), top), (RECT{10, 70, 210, 220}));
    EXPECT_EQ(rectIn(windowOf(form.scroll), top), (RECT{380, 70, 399, 220}));
    EXPECT_EQ(windowOf(form.barImage), nullptr);  // drawn by the bar
    EXPECT_EQ(windowOf(form.list), nullptr);

    // Later children lie above earlier ones: the cover hides the frame's corner.
    EXPECT_EQ(pixelAt(form, windowOf(form.frame), 190, 140), pixelOf(coverColor));
    EXPECT_EQ(pixelAt(form, windowOf(form.frame), 130, 140), pixelOf(ui::white));

    form.frame.setLeft(20);
    EXPECT_EQ(rectIn(windowOf(form.frame), top), (RECT{20, 70, 220, 220}));
    form.scroll.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(windowOf(form.scroll)));
    form.scroll.setVisible(true);
    EXPECT_TRUE(IsWindowVisible(windowOf(form.scroll)));
}

TEST_F(Win32Backend, APictureBoxFarTallerThanItsFrameShowsTheRowsAtItsOffset) {
    const HWND frame = windowOf(form.frame);
    const HWND page = windowOf(form.page);

    form.page.setTop(-59000);
    EXPECT_EQ(rectIn(page, frame), (RECT{0, 0, 120, 150}));
    EXPECT_EQ(pixelAt(form, page, 5, 0), pagePixel(5, 59000));
    EXPECT_EQ(pixelAt(form, page, 7, 149), pagePixel(7, 59149));

    // A scroll step: the rows move up, and the uncovered ones are painted.
    form.page.setTop(-59007);
    EXPECT_EQ(rectIn(page, frame), (RECT{0, 0, 120, 150}));
    EXPECT_EQ(pixelAt(form, page, 5, 0), pagePixel(5, 59007));
    EXPECT_EQ(pixelAt(form, page, 9, 100), pagePixel(9, 59107));
    EXPECT_EQ(pixelAt(form, page, 5, 149), pagePixel(5, 59156));

    // The picture's end: the window shrinks to it; the frame shows below.
    form.page.setTop(-59900);
    EXPECT_EQ(rectIn(page, frame), (RECT{0, 0, 120, 100}));
    EXPECT_EQ(pixelAt(form, page, 5, 99), pagePixel(5, 59999));
    EXPECT_EQ(pixelAt(form, frame, 5, 120), pixelOf(ui::white));

    form.page.setLeft(-100);
    EXPECT_EQ(rectIn(page, frame), (RECT{0, 0, 20, 100}));
    EXPECT_EQ(pixelAt(form, page, 3, 0), pagePixel(103, 59900));

    // Back inside the frame: the box's own background around the picture.
    form.page.move(50, 40, 200, 100);
    form.page.setPicture(makePage(30, 30));
    EXPECT_EQ(rectIn(page, frame), (RECT{50, 40, 200, 140}));
    EXPECT_EQ(pixelAt(form, page, 29, 29), pagePixel(29, 29));
    EXPECT_EQ(pixelAt(form, page, 30, 5), pixelOf(pageColor));

    // A picture still being decoded: the rows not ready show the background,
    // never what their memory holds, until they are ready and the box is told.
    const auto growing = makePage(30, 30);
    growing->setRowsReady(10);
    form.page.setPicture(growing);
    EXPECT_EQ(pixelAt(form, page, 5, 9), pagePixel(5, 9));
    EXPECT_EQ(pixelAt(form, page, 5, 10), pixelOf(pageColor));
    growing->setRowsReady(30);
    form.page.showReadyRows();
    EXPECT_EQ(pixelAt(form, page, 5, 29), pagePixel(5, 29));
}

TEST_F(Win32Backend, DrawnControlsArePaintedByTheirContainerInZOrder) {
    const HWND bar = windowOf(form.bar);
    // The bar's pixel x is its client x + 1 (its left is -1).
    const int imageLeft = 200 - 1;
    // Stretched top-down: the first row fills the top half.
    EXPECT_EQ(pixelAt(form, bar, imageLeft + 5, 10 + 2), topBand);
    EXPECT_EQ(pixelAt(form, bar, imageLeft + 5, 10 + 20), bottomBand);
    // A transparent label lets the image show through around its text.
    EXPECT_EQ(pixelAt(form, bar, 240 - 1, 10), topBand);
    EXPECT_EQ(pixelAt(form, bar, imageLeft + 60, 12), pixelOf(barColor));

    bool lineFound = false;
    for (int y = 55; y <= 59; ++y)
        lineFound = lineFound || pixelAt(form, bar, 99, y) == pixelOf(lineColor);
    EXPECT_TRUE(lineFound);

    // Moved, the image leaves the bar's colour behind.
    form.barImage.setLeft(4500);
    EXPECT_EQ(pixelAt(form, bar, imageLeft + 5, 10 + 20), pixelOf(barColor));
    EXPECT_EQ(pixelAt(form, bar, 300 - 1 + 5, 10 + 20), bottomBand);
    form.barImage.setVisible(false);
    EXPECT_EQ(pixelAt(form, bar, 300 - 1 + 5, 10 + 20), pixelOf(barColor));
}

TEST_F(Win32Backend, LabelsThatSizeThemselvesMeasureTheirCaptionInTheirContainersScale) {
    // The same text and font: in twips in the bar, in pixels on the form.
    ASSERT_GT(form.pixelLabel.width(), 20);
    ASSERT_GT(form.pixelLabel.height(), 10);
    EXPECT_EQ(form.barLabel.width(), std::lround(form.pixelLabel.width() * form.twipsPerPixelX()));
    EXPECT_EQ(form.barLabel.height(),
              std::lround(form.pixelLabel.height() * form.twipsPerPixelY()));

    const int32_t shortWidth = form.pixelLabel.width();
    form.pixelLabel.setCaption("Address: and a good deal more");
    EXPECT_GT(form.pixelLabel.width(), shortWidth + 50);
    form.pixelLabel.setCaption("");
    EXPECT_EQ(form.pixelLabel.width(), 0);
    EXPECT_GT(form.pixelLabel.height(), 10);  // still a line high
}

// Every property that shows on screen reaches the window when it is set, not
// only when the window is made.
TEST_F(Win32Backend, PropertiesSetAfterTheWindowExistsShowAtOnce) {
    const HWND bar = windowOf(form.bar);
    const HWND top = windowOf(form);

    const int32_t smallWidth = form.pixelLabel.width();
    form.pixelLabel.setFont({"Times New Roman", 24, true, false});
    EXPECT_GT(form.pixelLabel.width(), smallWidth * 3 / 2) << "the new font measured";
    form.pixelLabel.setBackColor(coverColor);
    EXPECT_EQ(pixelAt(form, top, form.pixelLabel.left() + 1, form.pixelLabel.top() + 1),
              pixelOf(coverColor));

    const bool lineRecoloured = [&] {
        form.barLine.setColor(coverColor);
        for (int y = 55; y <= 59; ++y)
            if (pixelAt(form, bar, 99, y) == pixelOf(coverColor)) return true;
        return false;
    }();
    EXPECT_TRUE(lineRecoloured);

    // No longer stretched: the 1 x 2 picture at its own size, the bar around it.
    form.barImage.setStretch(false);
    EXPECT_EQ(pixelAt(form, bar, 199 + 5, 10 + 12), pixelOf(barColor));

    const HWND tooltips = uiprobe::tooltipWindowOf(top);
    const auto texts = [&] {
        std::vector<std::wstring> found;
        for (const uiprobe::Tool& tool : uiprobe::toolsOf(tooltips)) found.push_back(tool.text);
        std::sort(found.begin(), found.end());
        return found;
    };
    form.barImage.setToolTip("Another image tip");
    form.page.setToolTip("Another page tip");
    EXPECT_EQ(texts(), (std::vector<std::wstring>{L"Another image tip", L"Another page tip"}));
    form.barImage.setToolTip("");
    EXPECT_EQ(texts(), (std::vector<std::wstring>{L"Another page tip"}));

    // The pointer over a label that becomes a hand changes without a mouse move.
    POINT over{form.pixelLabel.left() + 2, form.pixelLabel.top() + 2};
    ClientToScreen(top, &over);
    SetCursorPos(over.x, over.y);
    SetCursor(nullptr);
    form.pixelLabel.setMouseIcon(ui::PointerIcon::hand);
    EXPECT_NE(GetCursor(), nullptr);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(Win32Backend, ScrollBarControlShowsTheValueAndRangeTheProgramSets) {
    const HWND bar = windowOf(form.scroll);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    form.scroll.setValue(120);
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 500);
    EXPECT_EQ(info.nPos, 120);

    form.scroll.setMax(32767);
    form.scroll.setValue(30000);
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nMax, 32767);
    EXPECT_EQ(info.nPos, 30000);

    form.scroll.setMax(90);  // brings the value down with it
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nMax, 90);
    EXPECT_EQ(info.nPos, 90);
}

TEST_F(Win32Backend, UserScrollingStepsTheValueWithinItsRangeAndFiresChange) {
    const HWND top = windowOf(form);
    const HWND bar = windowOf(form.scroll);
    std::vector<int> changes;
    form.scroll.Change = [&] { changes.push_back(form.scroll.value()); };
    const auto scroll = [&](int code, int position = 0) {
        SendMessageW(top, WM_VSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
    };

    scroll(SB_LINEDOWN);
    scroll(SB_THUMBTRACK, 321);
    scroll(SB_THUMBPOSITION, 480);
    scroll(SB_PAGEDOWN);  // 530, held at the maximum
    scroll(SB_PAGEDOWN);  // unchanged: no event
    scroll(SB_ENDSCROLL);
    scroll(SB_PAGEUP);
    scroll(SB_LINEUP);
    scroll(SB_TOP);
    scroll(SB_LINEUP);  // below 0: held at 0, unchanged
    EXPECT_EQ(changes, (std::vector<int>{7, 321, 480, 500, 450, 443, 0}));

    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nPos, 0);
    scroll(SB_BOTTOM);
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nPos, 500);
}

TEST_F(Win32Backend, MouseEventsReachTheControlUnderThePointerInItsScale) {
    const HWND bar = windowOf(form.bar);
    const HWND page = windowOf(form.page);
    record(form.barImage, "image");
    record(form.bar, "bar");
    record(form.page, "page");
    form.page.setTop(-59000);

    // Image pixels 200..250 from the bar's pixel -1; twips from the image's corner.
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at(pointOf(204, 17)));
    EXPECT_EQ(GetCapture(), bar);
    SendMessageW(bar, WM_LBUTTONUP, 0, at(pointOf(204, 17)));
    EXPECT_EQ(GetCapture(), nullptr);
    // The line takes no mouse: its container does, in its own scale.
    press(bar, pointOf(99, 57), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_SHIFT);
    // The page's own pixels, from its top at -59000; the right button clicks nothing.
    press(page, pointOf(5, 8), WM_RBUTTONDOWN, WM_RBUTTONUP);
    press(page, pointOf(6, 9), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_CONTROL);

    EXPECT_EQ(events, (std::vector<std::string>{
                          "down image b1 s0 75,105", "up image b1 s0 75,105", "click image",
                          "down bar b1 s1 1500,855", "up bar b1 s1 1500,855", "click bar",
                          "down page b2 s0 5,59008", "up page b2 s0 5,59008",
                          "down page b1 s2 6,59009", "up page b1 s2 6,59009", "click page"}));
}

TEST_F(Win32Backend, ReleasedAwayFromThePressedControlGivesMouseUpButNoClick) {
    const HWND bar = windowOf(form.bar);
    record(form.barImage, "image");
    record(form.bar, "bar");
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at(pointOf(204, 17)));
    SendMessageW(bar, WM_LBUTTONUP, 0, at(pointOf(350, 17)));
    EXPECT_EQ(events,
              (std::vector<std::string>{"down image b1 s0 75,105", "up image b1 s0 2265,105"}));
}

TEST_F(Win32Backend, TheFormGetsEveryKeyWhicheverWindowWasClicked) {
    const HWND top = windowOf(form);
    std::vector<std::string> keys;
    form.KeyDown = [&](int code, int shift) {
        keys.push_back("down " + std::to_string(code) + " " + std::to_string(shift));
        return false;
    };
    form.KeyUp = [&](int code, int shift) {
        keys.push_back("up " + std::to_string(code) + " " + std::to_string(shift));
    };

    SetFocus(windowOf(form.barBox));
    EXPECT_EQ(GetFocus(), top);
    SetFocus(windowOf(form.scroll));
    EXPECT_EQ(GetFocus(), top);

    form.scroll.setValue(100);
    // A scroll bar would move itself on an arrow key; the form gets it instead.
    SendMessageW(windowOf(form.scroll), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(form.scroll.value(), 100);
    SendMessageW(windowOf(form.page), WM_KEYUP, VK_NEXT, 0);

    BYTE state[256] = {};
    ASSERT_TRUE(GetKeyboardState(state));
    BYTE held[256];
    std::copy(std::begin(state), std::end(state), std::begin(held));
    held[VK_SHIFT] = held[VK_CONTROL] = 0x80;
    SetKeyboardState(held);
    SendMessageW(top, WM_KEYDOWN, VK_HOME, 0);
    SetKeyboardState(state);
    SendMessageW(top, WM_SYSKEYDOWN, 'X', LPARAM{1} << 29);  // with Alt

    EXPECT_EQ(keys,
              (std::vector<std::string>{
                  "down " + std::to_string(VK_DOWN) + " 0", "up " + std::to_string(VK_NEXT) + " 0",
                  "down " + std::to_string(VK_HOME) + " 3", "down " + std::to_string('X') + " 4"}));
}

// Counts the menu-key commands that Windows' default handling makes of Alt keys.
LRESULT CALLBACK countMenuKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*id*/, DWORD_PTR counter) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
        ++*reinterpret_cast<int*>(counter);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(Win32Backend, AnAltKeyThatRanACommandGoesNoFurtherAndAnotherWindowTakingTheFocusIsTold) {
    const HWND top = windowOf(form);
    int menuKeys = 0;
    ASSERT_TRUE(SetWindowSubclass(top, countMenuKeys, 1, reinterpret_cast<DWORD_PTR>(&menuKeys)));
    form.KeyDown = [](int code, int) { return code == 'B'; };
    constexpr LPARAM withAlt = LPARAM{1} << 29;
    // Queued as the keyboard queues them; the message loop makes each
    // key's menu character.
    for (const WPARAM key : {WPARAM{'B'}, WPARAM{'Q'}}) {
        PostMessageW(top, WM_SYSKEYDOWN, key, withAlt);
        pumpMessages(form);
    }
    EXPECT_EQ(menuKeys, 1) << "only the key that ran no command reaches the menu";
    RemoveWindowSubclass(top, countMenuKeys, 1);

    int deactivations = 0;
    form.Deactivate = [&] { ++deactivations; };
    SetFocus(windowOf(form.barBox));  // a child of ours: the form takes it back
    EXPECT_EQ(deactivations, 0);
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetActiveWindow(other);
    SetFocus(other);
    pumpMessages(form);
    EXPECT_GE(deactivations, 1);
    DestroyWindow(other);
}

TEST_F(Win32Backend, TooltipsCoverTheControlsThatHaveOneAndFollowThem) {
    const HWND tooltips = uiprobe::tooltipWindowOf(windowOf(form));
    ASSERT_NE(tooltips, nullptr);
    const auto find = [&](const std::wstring& text) {
        for (const uiprobe::Tool& tool : uiprobe::toolsOf(tooltips)) {
            if (tool.text == text) return tool;
        }
        ADD_FAILURE() << "no tool with that text";
        return uiprobe::Tool{};
    };
    EXPECT_EQ(uiprobe::toolsOf(tooltips).size(), 2u);
    EXPECT_EQ(find(L"Page tip").window, windowOf(form.page));
    const uiprobe::Tool image = find(L"Image tip");
    EXPECT_EQ(image.window, windowOf(form.bar));
    EXPECT_EQ(image.rect, (RECT{199, 10, 250, 33}));

    form.barImage.setLeft(4500);
    EXPECT_EQ(find(L"Image tip").rect, (RECT{299, 10, 350, 33}));
    // The bar ten pixels further out to the left: its window shows another part.
    form.bar.setLeft(-11);
    EXPECT_EQ(find(L"Image tip").rect, (RECT{289, 10, 340, 33}));
    form.barImage.setVisible(false);
    const RECT hidden = find(L"Image tip").rect;
    EXPECT_TRUE(IsRectEmpty(&hidden));
}

TEST_F(Win32Backend, PointerIsTheHandOverHandControlsAndTheProgramsPointerEverywhereWhileSet) {
    const HWND bar = windowOf(form.bar);
    const auto handCursor = [] {
        const auto own =
            static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(301),
                                            IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        return own ? own : LoadCursorA(nullptr, IDC_HAND);
    }();
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    const auto hover = [&](HWND window, POINT point) {
        ClientToScreen(window, &point);
        SetCursorPos(point.x, point.y);
        SetCursor(nullptr);
        SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };

    EXPECT_EQ(hover(bar, pointOf(210, 15)), handCursor);
    EXPECT_NE(hover(bar, pointOf(150, 15)), handCursor);

    ui::screen().setMousePointer(ui::Pointer::hourglass);
    EXPECT_EQ(hover(bar, pointOf(210, 15)), wait);
    EXPECT_EQ(hover(windowOf(form.scroll), pointOf(5, 50)), wait);
    EXPECT_EQ(hover(windowOf(form), pointOf(300, 250)), wait);
    // The custom pointer shows its icon everywhere, over a scroll bar too.
    ui::screen().setMouseIcon(ui::PointerIcon::hand);
    ui::screen().setMousePointer(ui::Pointer::custom);
    EXPECT_EQ(hover(windowOf(form), pointOf(300, 250)), handCursor);
    EXPECT_EQ(hover(windowOf(form.scroll), pointOf(5, 50)), handCursor);
    ui::screen().setMousePointer(ui::Pointer::normal);
    EXPECT_EQ(hover(bar, pointOf(210, 15)), handCursor);
    EXPECT_NE(hover(windowOf(form), pointOf(300, 250)), handCursor);
}

TEST_F(Win32Backend, LeftOutOfTheTaskbarTheWindowHasAHiddenOwner) {
    const HWND top = windowOf(form);
    form.setShowInTaskbar(false);
    const HWND owner = GetWindow(top, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(GetWindowLongPtrW(top, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_TRUE(IsWindowVisible(top));

    form.setShowInTaskbar(true);
    EXPECT_EQ(GetWindow(top, GW_OWNER), nullptr);
    EXPECT_NE(GetWindowLongPtrW(top, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(Win32Backend, AnErrorInAnEventHandlerComesOutOfTheMessageLoop) {
    form.barImage.Click = [] { throw base::AppError(380, "Invalid property value"); };
    press(windowOf(form.bar), pointOf(204, 17), WM_LBUTTONDOWN, WM_LBUTTONUP);
    try {
        pumpMessages(form);
        ADD_FAILURE() << "the handler's error was lost";
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.number(), 380);
    }
    EXPECT_NO_THROW(pumpMessages(form));  // reported once
}

// Work that may wait (the rest of a picture) runs only once the window has
// painted what was due, in the order it was queued.
TEST_F(Win32Backend, WorkQueuedForAfterThePaintRunsOnceNothingIsLeftToPaint) {
    const HWND top = windowOf(form);
    std::vector<std::string> ran;
    const auto work = [&](const std::string& name) {
        return [&ran, top, name] {
            RECT due{};
            ran.push_back(name + (GetUpdateRect(top, &due, FALSE) ? " with a paint due" : ""));
        };
    };
    InvalidateRect(top, nullptr, FALSE);
    form.afterPaint(work("first"));
    form.afterPaint(work("second"));
    EXPECT_TRUE(ran.empty()) << "nothing runs before the paint";
    const DWORD until = GetTickCount() + 2000;
    while (ran.size() < 2 && GetTickCount() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        pumpMessages(form);
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
}

// Log-off and shut-down end the process without WM_CLOSE: the unload runs
// when the session really ends, and only once.
TEST_F(Win32Backend, TheUnloadRunsOnceWhenTheSessionEnds) {
    const HWND top = windowOf(form);
    EXPECT_EQ(SendMessageW(top, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(top, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // another program said no
    EXPECT_EQ(closings, 0);
    SendMessageW(top, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(closings, 1);
    SendMessageW(top, WM_ENDSESSION, TRUE, 0);
    SendMessageW(top, WM_CLOSE, 0, 0);
    EXPECT_EQ(closings, 1);
}

TEST_F(Win32Backend, ClosedByTheUserTheWindowGoesAndTheControlsStayUsable) {
    const HWND top = windowOf(form);
    SendMessageW(top, WM_CLOSE, 0, 0);
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_EQ(windowOf(form), nullptr);
    EXPECT_EQ(windowOf(form.page), nullptr);
    EXPECT_EQ(windowOf(form.scroll), nullptr);

    form.page.setTop(-10);
    form.scroll.setValue(3);
    form.barLabel.setCaption("still a label");
    form.setCaption("gone");
    form.setOuterWidth(9000);
    EXPECT_EQ(form.scroll.value(), 3);
    EXPECT_NO_THROW(pumpMessages(form));
}

}  // namespace

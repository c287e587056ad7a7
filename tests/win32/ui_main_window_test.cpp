// The program's main window on the Win32 backend, with the real platform in
// the test's own Wine prefix: the windows its layout makes, the address bar's
// buttons under the mouse, and the picture scrolled by its scroll bar.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "app/win32/main_window_options.h"
#include "base/text.h"
#include "platform/win32/text_conv.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/backend.h"
#include "ui_window_probe.h"

namespace {

using ui::win32::windowOf;
using uiprobe::clientRect;
using uiprobe::pixelAt;
using uiprobe::rectIn;

using RealPlatform = platform::Win32Platform;

// A page whose pixels tell their place: the row in red and green, the column in blue.
uint32_t pagePixel(int32_t x, int32_t y) {
    return (static_cast<uint32_t>((y >> 8) & 0xFF) << 16) | (static_cast<uint32_t>(y & 0xFF) << 8) |
           static_cast<uint32_t>(x & 0xFF);
}

base::Picture makePage(int32_t width, int32_t height) {
    auto page = std::make_shared<base::Bitmap>(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) page->row(y)[x] = pagePixel(x, y);
    }
    return page;
}

RECT controlRect(const ui::Control& control) {
    return {control.left(), control.top(), control.left() + control.width(),
            control.top() + control.height()};
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ui::win32::WindowOptions options = app::mainWindowOptions();
        options.mainWindow = false;
        ui::win32::createWindow(viewer, options);
        ASSERT_EQ(viewer.Form_Load(), frmMain::LoadOutcome::show);
        ui::win32::showWindow(viewer, SW_SHOW);
        ui::win32::pumpMessages(viewer);
    }

    // The centre of a control of the address bar, in the bar window's pixels.
    POINT centreInBar(const ui::Control& control) const {
        const double tpp = viewer.twipsPerPixelX();
        const auto pixels = [&](int32_t twips) { return std::lround(twips / tpp); };
        return {pixels(control.left()) + pixels(control.width()) / 2 - viewer.frAddress.left(),
                pixels(control.top()) + pixels(control.height()) / 2};
    }

    RealPlatform real;
    frmMain viewer{real.platform, ""};
};

TEST_F(MainWindow, OpensWithTheDesignedClientAreaAndItsWindowsWhereTheLayoutPutsThem) {
    const HWND top = windowOf(viewer);
    const RECT client = clientRect(top);
    EXPECT_EQ(client.right, std::lround(11880 / viewer.twipsPerPixelX()));
    EXPECT_EQ(client.bottom, std::lround(9255 / viewer.twipsPerPixelY()));

    EXPECT_EQ(rectIn(windowOf(viewer.frAddress), top), controlRect(viewer.frAddress));
    EXPECT_EQ(rectIn(windowOf(viewer.frImage), top), controlRect(viewer.frImage));
    EXPECT_EQ(viewer.frImage.top(), viewer.frAddress.height());
    EXPECT_EQ(viewer.frImage.height(), client.bottom - viewer.frAddress.height());
    // The start-up picture, centred in the frame.
    EXPECT_EQ(rectIn(windowOf(viewer.imgDisplay), windowOf(viewer.frImage)),
              controlRect(viewer.imgDisplay));
    EXPECT_FALSE(IsWindowVisible(windowOf(viewer.scroll_h)));
    EXPECT_FALSE(IsWindowVisible(windowOf(viewer.scroll_v)));
    EXPECT_FALSE(IsWindowVisible(windowOf(viewer.imgPrint)));
}

TEST_F(MainWindow, TheAddressBarsButtonsAreClickedWhereTheLayoutPutsThem) {
    std::vector<std::string> clicked;
    for (ui::Image* button : {&viewer.imgPrev, &viewer.imgNext, &viewer.imgDown, &viewer.imgBottom,
                              &viewer.imgShrink}) {
        button->Click = [&clicked, button] { clicked.push_back(button->name()); };
        const POINT centre = centreInBar(*button);
        const LPARAM at = MAKELPARAM(centre.x, centre.y);
        SendMessageW(windowOf(viewer.frAddress), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(windowOf(viewer.frAddress), WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"imgPrev", "imgNext", "imgDown", "imgBottom",
                                                 "imgShrink"}));

    // The go button answers to the mouse itself, and each look reaches the screen.
    const HWND bar = windowOf(viewer.frAddress);
    const POINT go = centreInBar(viewer.imgGo[0]);
    const LPARAM onGo = MAKELPARAM(go.x, go.y);
    // The button's face near its top-left corner: its colour tells the look.
    const POINT face{go.x - 20, go.y - 7};
    const auto looks = [&] {
        return std::vector<bool>{viewer.imgGo[0].visible(), viewer.imgGo[1].visible(),
                                 viewer.imgGo[2].visible()};
    };
    const uint32_t normal = pixelAt(viewer, bar, face.x, face.y);
    SendMessageW(bar, WM_MOUSEMOVE, 0, onGo);
    EXPECT_EQ(looks(), (std::vector<bool>{false, true, false}));
    const uint32_t hover = pixelAt(viewer, bar, face.x, face.y);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, onGo);
    EXPECT_EQ(looks(), (std::vector<bool>{false, false, true}));
    const uint32_t pressed = pixelAt(viewer, bar, face.x, face.y);
    SendMessageW(bar, WM_LBUTTONUP, 0, onGo);
    EXPECT_EQ(looks(), (std::vector<bool>{true, false, false}));
    EXPECT_NE(hover, normal);
    EXPECT_NE(pressed, hover);
    EXPECT_EQ(pixelAt(viewer, bar, face.x, face.y), normal);

    const HWND tooltips = uiprobe::tooltipWindowOf(windowOf(viewer));
    ASSERT_NE(tooltips, nullptr);
    std::vector<std::wstring> texts;
    for (const uiprobe::Tool& tool : uiprobe::toolsOf(tooltips)) texts.push_back(tool.text);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Home/End", L"Next", L"Page Up/Down", L"Previous",
                                                L"Shrink/Original size",
                                                L"[Shift]+Click to follow the address..."}));
}

// Moved to screens of 144 and 192 DPI and back: the window takes the rectangle
// Windows suggests and lays itself out for that DPI, its text in fonts of that
// DPI and the bar's buttons inside the bar, apart from each other (the design
// overlaps two of them by 5 twips, which may round to a pixel). The null
// display is 1024 pixels wide, so the window is kept smaller than that.
TEST_F(MainWindow, ADpiChangeRelaysTheWindowAtTheNewScale) {
    const HWND top = windowOf(viewer);
    const RECT client96 = clientRect(top);
    const int32_t labelTwips96 = viewer.Label1.width();
    const auto moveTo = [&](int dpi, int clientWidth, int clientHeight) {
        RECT suggested{100, 50, 100 + clientWidth, 50 + clientHeight};
        AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongPtrW(top, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(top, GWL_EXSTYLE)));
        SendMessageW(top, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ui::win32::pumpMessages(viewer);
    };

    for (const int dpi : {144, 192}) {
        SCOPED_TRACE(dpi);
        moveTo(dpi, 1000, 700);
        const RECT client = clientRect(top);
        EXPECT_EQ(client.right, 1000);
        EXPECT_EQ(client.bottom, 700);
        EXPECT_EQ(viewer.twipsPerPixelY(), 1440.0 / dpi);
        const int barHeight = dpi == 144 ? 128 : 170;  // 85 pixels at 96 DPI
        const HWND bar = windowOf(viewer.frAddress);
        ASSERT_NE(bar, nullptr) << "the bar's window made anew";
        EXPECT_EQ(clientRect(bar).bottom, barHeight);
        EXPECT_EQ(rectIn(windowOf(viewer.frImage), top).top, barHeight);
        EXPECT_EQ(rectIn(windowOf(viewer.frImage), top).bottom, 700);
        // The same text in a font of more pixels: about the same in twips.
        EXPECT_NEAR(viewer.Label1.width(), labelTwips96, labelTwips96 / 10);

        std::vector<RECT> buttons;
        for (const uiprobe::Tool& tool : uiprobe::toolsOf(uiprobe::tooltipWindowOf(top))) {
            if (tool.window != bar) continue;
            buttons.push_back(tool.rect);
            EXPECT_GE(tool.rect.left, 0);
            EXPECT_LE(tool.rect.right, clientRect(bar).right);
            EXPECT_GE(tool.rect.top, 0);
            EXPECT_LE(tool.rect.bottom, clientRect(bar).bottom);
        }
        EXPECT_EQ(buttons.size(), 5u) << "each button's tooltip once";
        for (size_t i = 0; i < buttons.size(); ++i) {
            for (size_t j = i + 1; j < buttons.size(); ++j) {
                RECT overlap{};
                IntersectRect(&overlap, &buttons[i], &buttons[j]);
                EXPECT_LE(overlap.right - overlap.left, 1) << buttons[i] << " and " << buttons[j];
            }
        }
    }

    moveTo(96, client96.right, client96.bottom);
    EXPECT_EQ(clientRect(top), client96);
    EXPECT_EQ(clientRect(windowOf(viewer.frAddress)).bottom, 85);
    EXPECT_EQ(viewer.Label1.width(), labelTwips96);
}

TEST_F(MainWindow, TheScrollBarScrollsATallPageInsideAFrameSizedWindow) {
    viewer.showPicture(makePage(300, 3000));
    viewer.layoutWindow();
    const HWND top = windowOf(viewer);
    const HWND bar = windowOf(viewer.scroll_v);
    ASSERT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(rectIn(bar, top), controlRect(viewer.scroll_v));

    const HWND frame = windowOf(viewer.frImage);
    const HWND page = windowOf(viewer.imgDisplay);
    const RECT frameClient = clientRect(frame);
    const auto expectShowingRow = [&](int32_t row) {
        EXPECT_EQ(viewer.imgDisplay.top(), -row);
        // Cut to the frame (or to the page's end), never 3000 pixels tall.
        const RECT shown = rectIn(page, frame);
        EXPECT_EQ(shown.top, 0);
        EXPECT_EQ(shown.bottom, std::min<LONG>(frameClient.bottom, 3000 - row));
        EXPECT_EQ(pixelAt(viewer, page, 10, 0), pagePixel(10, row));
        EXPECT_EQ(pixelAt(viewer, page, 20, shown.bottom - 1),
                  pagePixel(20, row + shown.bottom - 1));
    };

    SendMessageW(top, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(viewer.scroll_v.value(), viewer.scroll_v.smallChange());
    expectShowingRow(viewer.scroll_v.smallChange() + 5);

    SendMessageW(top, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 2000), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(viewer.scroll_v.value(), 2000);
    expectShowingRow(2005);

    SendMessageW(top, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(bar));
    expectShowingRow(viewer.scroll_v.max() + 5);
}

TEST_F(MainWindow, SystemMenuCommandsAndTheWheelPassTheHookAndTheRestGoesOn) {
    const HWND top = windowOf(viewer);
    const HMENU menu = GetSystemMenu(top, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 7);
    // The viewer's seven entries close the menu, after the platform's own.
    const std::vector<std::pair<UINT, std::wstring>> expected{
        {0, L""},
        {1003, L"&Open...\tAlt+O"},
        {1004, L"&Print...\tAlt+P"},
        {1000, L"&Address bar\tAlt+A"},
        {1005, L"S&ettings\tAlt+S"},
        {1001, L"A&bout\tAlt+B"},
        {1002, L"&How To\tAlt+H"},
    };
    for (int i = 0; i < 7; ++i) {
        const int position = count - 7 + i;
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
        EXPECT_EQ(GetMenuItemID(menu, position), expected[i].first) << "entry " << i;
        EXPECT_EQ(text, expected[i].second) << "entry " << i;
    }
    const auto checkedNow = [&] {
        return (GetMenuState(menu, 1000, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    const bool shownAtFirst = viewer.addressBarShown();
    EXPECT_EQ(checkedNow(), shownAtFirst);
    EXPECT_EQ(SendMessageW(top, WM_SYSCOMMAND, 1000, 0), 1);
    EXPECT_EQ(viewer.addressBarShown(), !shownAtFirst);
    EXPECT_EQ(checkedNow(), !shownAtFirst);
    EXPECT_EQ(IsWindowVisible(windowOf(viewer.frAddress)) != FALSE, !shownAtFirst);
    SendMessageW(top, WM_SYSCOMMAND, 1000, 0);
    EXPECT_EQ(checkedNow(), shownAtFirst);

    viewer.showPicture(makePage(400, 3000));
    viewer.layoutWindow();
    ASSERT_TRUE(viewer.vScrollShown());
    EXPECT_EQ(SendMessageW(top, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0), 1);
    EXPECT_EQ(viewer.scroll_v.value(), 100);

    // What the hook does not take reaches the window as it was sent: Unicode
    // text stays whole.
    const std::wstring caption = L"Tessmire \u00e9\u4e2d\u0416";
    SendMessageW(top, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    wchar_t read[64] = {};
    GetWindowTextW(top, read, 64);
    EXPECT_EQ(read, caption);

    viewer.Form_Unload();
    EXPECT_EQ(SendMessageW(top, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0), 0)
        << "unhooked: the window's own procedure has the wheel";
    EXPECT_EQ(viewer.scroll_v.value(), 100);
}

}  // namespace

// Beyond the buttons with the real shell and clipboard: a page image dropped
// on the window (a drop built here, as Explorer hands one over) opens with its
// folder counted, Ctrl+C and Ctrl+Shift+C put its address and its picture on
// the clipboard, and it is among the user's recent documents.
class DropsAndCopies : public MainWindow {
protected:
    // The file names of a drop, as DragQueryFile reads them.
    static HGLOBAL dropOf(const std::vector<std::wstring>& paths) {
        std::wstring names;
        for (const std::wstring& path : paths) names += path + L'\0';
        names += L'\0';
        const size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(drop + 1));
        GlobalUnlock(memory);
        return memory;
    }
    void pressWithCtrl(UINT key, bool shift) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        BYTE held[256];
        std::copy(std::begin(state), std::end(state), std::begin(held));
        held[VK_CONTROL] = 0x80;
        held[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(held);
        SendMessageW(windowOf(viewer), WM_KEYDOWN, key, 1);
        SendMessageW(windowOf(viewer), WM_KEYUP, key, 1);
        SetKeyboardState(state);
    }
    static std::wstring clipboardText() {
        if (!OpenClipboard(nullptr)) return L"(clipboard not opened)";
        std::wstring text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
    static SIZE clipboardPictureSize() {
        SIZE size{};
        if (!OpenClipboard(nullptr)) return size;
        if (HANDLE data = GetClipboardData(CF_DIB)) {
            const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
            size = {header->biWidth, header->biHeight};
            GlobalUnlock(data);
        }
        CloseClipboard();
        return size;
    }
};

TEST_F(DropsAndCopies, ADroppedPageImageOpensAndGoesToTheClipboardAndTheRecentDocuments) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tsdrop";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring data = platform::win32::utf8ToWide(TS_WIN32_TEST_DATA);
    for (const wchar_t* name : {L"crafted-address.jpg", L"long-address.jpg"}) {
        ASSERT_TRUE(
            CopyFileW((data + L"\\" + name).c_str(), (folder + L"\\" + name).c_str(), FALSE));
    }
    const std::wstring dropped = folder + L"\\long-address.jpg";
    wchar_t recent[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_RECENT, nullptr, 0, recent), S_OK);
    const std::wstring link = std::wstring(recent) + L"\\long-address.jpg.lnk";
    DeleteFileW(link.c_str());  // left by an earlier run

    SendMessageW(windowOf(viewer), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({dropped})), 0);
    for (int i = 0; i < 100 && viewer.folderScanning(); ++i) ui::win32::pumpMessages(viewer);
    EXPECT_EQ(viewer.currentFileName(), "long-address.jpg");
    EXPECT_NE(viewer.caption().find("[2/2]"), std::string::npos) << viewer.caption();

    pressWithCtrl('C', false);
    const std::optional<tags::PageRecord> page =
        viewer.checkPage(platform::win32::wideToUtf8(dropped));
    ASSERT_TRUE(page);
    EXPECT_EQ(clipboardText(), platform::win32::utf8ToWide(base::trimBlanks(page->address)));
    pressWithCtrl('C', true);
    const SIZE copied = clipboardPictureSize();
    EXPECT_EQ(copied.cx, viewer.pictureWidth());
    EXPECT_EQ(copied.cy, viewer.pictureHeight());

    // The shell is told once the window has painted.
    for (int i = 0; i < 200 && GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        ui::win32::pumpMessages(viewer);
    }
    EXPECT_NE(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);
}

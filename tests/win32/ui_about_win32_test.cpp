// The about box on the Win32 backend: one window without an owner, brought
// back rather than made twice, closed by its OK button and made anew.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/frmAbout.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/backend.h"

namespace {

using ui::win32::windowOf;

int windowsCaptioned(const wchar_t* caption) {
    struct Search {
        const wchar_t* caption;
        int found = 0;
    } search{caption};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            wchar_t text[64] = {};
            GetWindowTextW(window, text, 64);
            if (IsWindowVisible(window) && lstrcmpW(text, s.caption) == 0) ++s.found;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(AboutBoxWindow, OneUnownedWindowShownAgainRatherThanTwiceAndClosedByOk) {
    platform::Win32Platform real;
    frmAbout about(real.platform);
    ui::win32::attachScreen();

    about.showModeless();
    const HWND first = windowOf(about);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(GetWindow(first, GW_OWNER), nullptr);
    EXPECT_EQ(about.lblVersion.caption(), "Version v1.2");

    about.showModeless();
    EXPECT_EQ(windowOf(about), first);
    EXPECT_EQ(windowsCaptioned(L"About Tessmire"), 1);

    // The OK button, pushed as the user does.
    SendMessageW(windowOf(about.cmdOK), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(about.isOpen());

    about.showModeless();
    ASSERT_TRUE(about.isOpen());
    EXPECT_TRUE(IsWindowVisible(windowOf(about)));
    about.close();
    EXPECT_EQ(windowsCaptioned(L"About Tessmire"), 0);
}

}  // namespace

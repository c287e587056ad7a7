#pragma once
// Reading back what the Win32 backend put on screen: window places, pixels as
// painted, tooltips. Works with Wine's null display driver.

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/win32/dib_format.h"
#include "platform/win32/scoped_handles.h"
#include "ui/form.h"
#include "ui/win32/backend.h"

// Rectangles compare and print in test expectations.
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
               << "}";
}

namespace uiprobe {

// A window's rectangle in the client coordinates of `reference`.
inline RECT rectIn(HWND window, HWND reference) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline RECT clientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

// Paints what is due and returns the pixel at (x, y) of the window's client
// area as it is on screen, 0x00RRGGBB.
inline uint32_t pixelAt(ui::Form& form, HWND window, int x, int y) {
    ui::win32::pumpMessages(form);
    const platform::win32::WindowDc screen(window);
    const platform::win32::ScopedDc memory(CreateCompatibleDC(screen.get()));
    const BITMAPINFO format = platform::win32::topDown32(1, 1);
    void* bits = nullptr;
    const platform::win32::ScopedBitmap bitmap(
        CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const platform::win32::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, 1, 1, screen.get(), x, y, SRCCOPY);
    return *static_cast<const uint32_t*>(bits) & 0x00FFFFFFu;
}

// A toolkit colour (0x00BBGGRR) as a pixel reads back (0x00RRGGBB).
constexpr uint32_t pixelOf(ui::Color color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

// The tooltip window owned by `owner`, or null. The window makes it once it
// has painted: this thread's messages are handled, for up to two seconds,
// until it is there.
inline HWND tooltipWindowOf(HWND owner) {
    const DWORD until = GetTickCount() + 2000;
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    while (true) {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM data) -> BOOL {
                auto* state = reinterpret_cast<Search*>(data);
                wchar_t name[64] = {};
                GetClassNameW(window, name, 64);
                if (std::wstring(name) == TOOLTIPS_CLASSW &&
                    GetWindow(window, GW_OWNER) == state->owner) {
                    state->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() > until) return search.found;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

struct Tool {
    std::wstring text;
    HWND window;
    RECT rect;
};

// Every tool of a tooltip window, with its text and area.
inline std::vector<Tool> toolsOf(HWND tooltips) {
    std::vector<Tool> tools;
    const auto count = SendMessageW(tooltips, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.lpszText = text;
        if (SendMessageW(tooltips, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&tool))) {
            tools.push_back({text, tool.hwnd, tool.rect});
        }
    }
    return tools;
}

}  // namespace uiprobe

#include "ui/win32/tooltips.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/text_conv.h"

namespace ui::win32 {

namespace {

// The size both comctl32 5 and 6 take: the tests run without a manifest.
TOOLINFOW toolInfo(HWND window, UINT_PTR id, UINT flags) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = flags | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = id;
    return tool;
}

}  // namespace

void Tooltips::create(HWND owner) {
    WindowArgs args;
    args.style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
    args.exStyle = WS_EX_TOPMOST;
    args.x = args.y = args.width = args.height = CW_USEDEFAULT;
    args.parent = owner;
    window_.create(TOOLTIPS_CLASSW, args);
}

void Tooltips::addWindow(HWND window, std::string_view text) {
    TOOLINFOW tool = toolInfo(window, reinterpret_cast<UINT_PTR>(window), TTF_IDISHWND);
    add(tool, text);
}

void Tooltips::addArea(HWND window, UINT_PTR id, const RECT& area, std::string_view text) {
    TOOLINFOW tool = toolInfo(window, id, 0);
    tool.rect = area;
    add(tool, text);
}

void Tooltips::moveArea(HWND window, UINT_PTR id, const RECT& area) {
    if (!window_.hwnd()) return;
    TOOLINFOW tool = toolInfo(window, id, 0);
    tool.rect = area;
    SendMessageW(window_.hwnd(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::removeWindow(HWND window) {
    TOOLINFOW tool = toolInfo(window, reinterpret_cast<UINT_PTR>(window), TTF_IDISHWND);
    remove(tool);
}

void Tooltips::removeArea(HWND window, UINT_PTR id) {
    TOOLINFOW tool = toolInfo(window, id, 0);
    remove(tool);
}

void Tooltips::remove(TOOLINFOW& tool) {
    if (window_.hwnd())
        SendMessageW(window_.hwnd(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::add(TOOLINFOW& tool, std::string_view text) {
    if (!window_.hwnd()) return;
    // The control copies the text.
    std::wstring wide = platform::win32::utf8ToWide(text);
    tool.lpszText = wide.data();
    SendMessageW(window_.hwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ui::win32

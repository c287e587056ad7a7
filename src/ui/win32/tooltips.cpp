#include "ui/win32/tooltips.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

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
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    WindowArgs args;
    args.style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
    args.exStyle = WS_EX_TOPMOST;
    args.x = args.y = args.width = args.height = CW_USEDEFAULT;
    args.parent = owner;
    window_.create(TOOLTIPS_CLASSW, args);
    for (WaitingTool& waiting : std::exchange(waiting_, {}))
        addToWindow(waiting.tool, waiting.text);
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
    TOOLINFOW tool = toolInfo(window, id, 0);
    tool.rect = area;
    if (!window_.hwnd()) {
        if (const auto found = waiting(tool); found != waiting_.end()) found->tool.rect = area;
        return;
    }
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
    if (!window_.hwnd()) {
        if (const auto found = waiting(tool); found != waiting_.end()) waiting_.erase(found);
        return;
    }
    SendMessageW(window_.hwnd(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::add(TOOLINFOW& tool, std::string_view text) {
    std::wstring wide = platform::win32::utf8ToWide(text);
    if (window_.hwnd()) {
        addToWindow(tool, wide);
    } else if (const auto found = waiting(tool); found != waiting_.end()) {
        *found = {tool, std::move(wide)};
    } else {
        waiting_.push_back({tool, std::move(wide)});
    }
}

void Tooltips::addToWindow(TOOLINFOW& tool, std::wstring& text) {
    // The control copies the text.
    tool.lpszText = text.data();
    SendMessageW(window_.hwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::vector<Tooltips::WaitingTool>::iterator Tooltips::waiting(const TOOLINFOW& tool) {
    return std::find_if(waiting_.begin(), waiting_.end(), [&](const WaitingTool& other) {
        return other.tool.hwnd == tool.hwnd && other.tool.uId == tool.uId;
    });
}

}  // namespace ui::win32

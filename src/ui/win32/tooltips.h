#pragma once
// The tooltips of one window: one tooltip window, with a tool for each control
// that has a tooltip. A control with a window of its own is a tool by its
// window; one drawn by its container is an area of the container's window,
// moved whenever the control or the container moves.
//
// The tooltip window is made once the window has painted (the first paint
// needs no tooltips, and making them loads the common controls): until then
// the tools are kept here and added when it is made.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/system_window.h"

namespace ui::win32 {

class Tooltips {
public:
    // Makes the tooltip window for the windows of `owner`, with the tools
    // given so far.
    void create(HWND owner);

    void addWindow(HWND window, std::string_view text);
    // `id` tells the areas of one window apart.
    void addArea(HWND window, UINT_PTR id, const RECT& area, std::string_view text);
    // An empty rectangle takes the area out of reach (a hidden control).
    void moveArea(HWND window, UINT_PTR id, const RECT& area);
    // Take a tool away (its text changed, or it has none any more).
    void removeWindow(HWND window);
    void removeArea(HWND window, UINT_PTR id);

    HWND hwnd() const noexcept { return window_.hwnd(); }

private:
    struct WaitingTool {
        TOOLINFOW tool;
        std::wstring text;
    };
    void add(TOOLINFOW& tool, std::string_view text);
    void remove(TOOLINFOW& tool);
    void addToWindow(TOOLINFOW& tool, std::wstring& text);
    std::vector<WaitingTool>::iterator waiting(const TOOLINFOW& tool);

    SystemWindow window_;
    std::vector<WaitingTool> waiting_;  // until the window is made
};

}  // namespace ui::win32

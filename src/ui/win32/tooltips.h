#pragma once
// The tooltips of one window: one tooltip window, with a tool for each control
// that has a tooltip. A control with a window of its own is a tool by its
// window; one drawn by its container is an area of the container's window,
// moved whenever the control or the container moves.

#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "ui/win32/system_window.h"

namespace ui::win32 {

class Tooltips {
public:
    // Makes the tooltip window for the windows of `owner`.
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
    void add(TOOLINFOW& tool, std::string_view text);
    void remove(TOOLINFOW& tool);

    SystemWindow window_;
};

}  // namespace ui::win32

#pragma once
// The form's top-level window: its frame, its client area (the container of
// the form's controls), its keys and its place in the taskbar.
//
// Keys: every key message of the form's windows ends here (child windows pass
// theirs on and hand the keyboard focus back), so KeyDown and KeyUp fire
// whichever control was clicked last.
// Taskbar: a window is left out of the taskbar by giving it a hidden owner
// window; shown in it again by taking the owner away (and WS_EX_APPWINDOW).

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <vector>

#include "ui/form.h"
#include "ui/win32/backend_context.h"
#include "ui/win32/container_window.h"
#include "ui/win32/system_window.h"

namespace ui::win32 {

struct FormWindowOptions {
    int32_t clientWidth = 0;  // pixels
    int32_t clientHeight = 0;
    // Ends the message loop when the window is destroyed: the program's main window.
    bool mainWindow = true;
    // The form's unload: runs once, when the user closes the window (before it
    // goes) or when Windows ends the session.
    std::function<void()> closing;
};

// Made before the window, so the window's base classes can refer to it.
struct FormContextHolder {
    explicit FormContextHolder(Form& form) : sharedContext(form) {}
    BackendContext sharedContext;
};

class FormWindow final : private FormContextHolder, public ContainerWindow, public FormPeer {
public:
    // Makes the window, hidden, with the given client size, centred on the
    // screen's work area. The form's screen metrics must be set.
    FormWindow(Form& form, const FormWindowOptions& options);
    ~FormWindow() override;

    // Takes the DPI of the monitor the window was made on where it is not
    // the system's, before the controls get their peers.
    void takeOwnDpi();
    // The controls have their peers: reports the client size, firing Resize.
    void controlsAttached();
    void show(int showCommand);

    PixelRect extent() const override;

    void changed(Change what) override;
    void setOuterSize(int32_t widthTwips, int32_t heightTwips) override;
    void captionChanged() override;
    void showInTaskbarChanged() override;
    bool isOpen() const override { return hwnd() != nullptr; }
    void close() override;
    void systemMenuChanged(int commandId) override;
    uintptr_t nativeHandle() const override { return reinterpret_cast<uintptr_t>(hwnd()); }
    // Queued for a zero timer: WM_TIMER comes only once no paint is due.
    void afterPaint(const std::function<void()>& work) override;

private:
    // Runs the work queued for after the paint.
    void paintedAll();
    // Hands the paths of a drop to the form, and frees the drop.
    void filesDropped(HDROP drop);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paintBackground(HDC dc, const RECT& area) override;
    void reportSize();
    // True when KeyDown ran a command with the key.
    bool onKey(UINT message, WPARAM wParam, LPARAM lParam);
    void deactivated();
    void unloadOnce();
    // The window's DPI changed (WM_DPICHANGED).
    void rescale(int dpiX, int dpiY, const RECT& suggested);

    Form& form_;
    const bool mainWindow_;
    std::function<void()> closing_;
    bool controlsAttached_ = false;
    SystemWindow taskbarOwner_;  // the hidden owner while the form is out of the taskbar
    std::vector<std::function<void()>> afterPaint_;
};

}  // namespace ui::win32

#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// What a window's backend does for it: its frame on screen and the screen's
// metrics. The headless backend keeps them as plain numbers.
class FormPeer : public ControlPeer {
public:
    // The outer size set by the program, in twips.
    virtual void setOuterSize(int32_t widthTwips, int32_t heightTwips) = 0;
    virtual void captionChanged() = 0;
    virtual void showInTaskbarChanged() = 0;
    // Whether the form has a window now: made, and neither closed nor destroyed.
    virtual bool isOpen() const = 0;
    // Closes the window as the user does; the form stays and may be shown again.
    virtual void close() = 0;
    // The system menu entry `commandId` was added (at the menu's end) or changed.
    virtual void systemMenuChanged(int /*commandId*/) {}
    // The platform's handle of the window, as a number; 0 when there is none.
    virtual uintptr_t nativeHandle() const { return 0; }
    // Runs `work` once the window has painted what is due (Form::afterPaint);
    // a backend that paints nothing runs it at once.
    virtual void afterPaint(const std::function<void()>& work) { work(); }
};

// An entry the program keeps in the window's system menu.
struct MenuItem {
    std::string text;
    bool checked = false;
    bool greyed = false;
    bool separator = false;
};

// A top-level window. It places its children in its scale (pixels unless
// told otherwise); its outer size is in twips. The backend reports the client
// size and state, which fire Resize.
class Form : public Container {
public:
    explicit Form(std::string_view name, ScaleMode scale = ScaleMode::pixels)
        : Container(nullptr, name, scale) {}

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);

    int32_t clientWidth() const noexcept { return clientWidth_; }
    int32_t clientHeight() const noexcept { return clientHeight_; }
    int32_t outerWidth() const noexcept { return outerWidth_; }
    int32_t outerHeight() const noexcept { return outerHeight_; }
    void setOuterWidth(int32_t twips);
    void setOuterHeight(int32_t twips);
    WindowState windowState() const noexcept { return state_; }

    // The window's twips per pixel (15 at 96 DPI, 7.5 at 192 DPI).
    double twipsPerPixelX() const noexcept { return twipsPerPixelX_; }
    double twipsPerPixelY() const noexcept { return twipsPerPixelY_; }
    // A length designed in pixels at 96 DPI, in the window's pixels now:
    // scaled by DPI / 96 and rounded, halves to even.
    int32_t scaledX(int32_t designPixels) const;
    int32_t scaledY(int32_t designPixels) const;

    // The client size a window made by show() gets, in twips, so it is the
    // same on every screen.
    int32_t designWidthTwips() const noexcept { return designWidthTwips_; }
    int32_t designHeightTwips() const noexcept { return designHeightTwips_; }
    void setDesignSize(int32_t widthTwips, int32_t heightTwips);

    // Shows the form in a window of its own, modeless and without an owner:
    // made when it has none, else brought to the front.
    void show();
    // Whether the form has a window now.
    bool isOpen() const;
    // Unloads the form: its window goes as when the user closes it.
    void close();

    // The platform's handle of the form's window; 0 when it has none.
    uintptr_t nativeHandle() const;

    // Runs `work` on the window's thread once the window has painted what is
    // due now: work that may wait (the rest of a picture, counting a folder)
    // then never delays what the user sees first. At once where there is no
    // window to paint, and in the headless backend.
    void afterPaint(const std::function<void()>& work);

    bool showInTaskbar() const noexcept { return showInTaskbar_; }
    void setShowInTaskbar(bool show);

    // Entries of the window's system menu, by command identifier. Changing an
    // entry that is not there changes nothing, as the platform's menu does.
    const std::map<int, MenuItem>& systemMenu() const noexcept { return systemMenu_; }
    // Entries are appended after the platform's own, in the order appended.
    void appendSystemMenuItem(int commandId, MenuItem item);
    void modifySystemMenuItem(int commandId, MenuItem item);

    // Key events with the key code and the shift state, and the resize event.
    // KeyDown answers whether the key ran a command: such a key goes no
    // further (no menu-key handling, which beeps at a letter it lacks).
    std::function<bool(int keyCode, int shift)> KeyDown;
    std::function<void(int keyCode, int shift)> KeyUp;
    // The window lost activation or the keyboard focus to another window:
    // keys let go there never reach this one.
    std::function<void()> Deactivate;
    std::function<void()> Resize;
    // The window's DPI changed (it was made on a screen of another DPI, or
    // moved to one): what is placed in pixels is placed anew.
    std::function<void()> ScaleChanged;
    // A message of the program's own (from WM_APP up to, not including, 0xC000)
    // posted to the window, typically by one of its threads, reached it
    // through its queue: the window's own procedure takes it, whatever hooks
    // its messages.
    std::function<void(uint32_t message)> MessagePosted;
    // Files or folders dropped on the window, whole paths in the order given;
    // a form without a handler takes no drops.
    std::function<void(const std::vector<std::string>& paths)> FilesDropped;

    // Backend side: the window's new client size (pixels), outer size (twips)
    // and state; fires Resize.
    void backendResized(int32_t clientWidth, int32_t clientHeight, int32_t outerWidth,
                        int32_t outerHeight, WindowState state);
    // The window's twips per pixel; fires ScaleChanged when they change.
    void backendSetScreenMetrics(double twipsPerPixelX, double twipsPerPixelY);

private:
    FormPeer* formPeer() const;

    std::string caption_;
    int32_t clientWidth_ = 0;
    int32_t clientHeight_ = 0;
    int32_t outerWidth_ = 0;
    int32_t outerHeight_ = 0;
    WindowState state_ = WindowState::normal;
    double twipsPerPixelX_ = 15;
    double twipsPerPixelY_ = 15;
    int32_t designWidthTwips_ = 0;
    int32_t designHeightTwips_ = 0;
    bool showInTaskbar_ = true;
    std::map<int, MenuItem> systemMenu_;
};

}  // namespace ui

#pragma once
// The headless backend: windows without a screen. Properties are kept as the
// controls hold them, events are fired by the caller, and a window's frame is
// a fixed border around its client area, so resizing behaves as on screen.

#include "ui/form.h"

namespace ui {

class HeadlessFormPeer : public FormPeer {
public:
    // Frame sizes of a standard sizable window at 96 DPI.
    static constexpr int32_t borderWidthPixels = 16;
    static constexpr int32_t borderHeightPixels = 39;

    explicit HeadlessFormPeer(Form& form) : form_(form) {}

    void changed(Change) override {}
    void setOuterSize(int32_t widthTwips, int32_t heightTwips) override;
    void captionChanged() override {}
    void showInTaskbarChanged() override {}
    void systemMenuChanged(int) override {}
    bool isOpen() const override { return open_; }
    void close() override { open_ = false; }

private:
    Form& form_;
    bool open_ = true;
};

// Attaches the headless backend to `form` and gives it a client area of the
// given pixel size (firing Resize).
void attachHeadless(Form& form, int32_t clientWidth, int32_t clientHeight);

// What the user does to a headless window.
void resizeClient(Form& form, int32_t clientWidth, int32_t clientHeight);
void minimize(Form& form);
// Shows the window: like the platform, this sizes it once more, firing Resize.
void show(Form& form);

// What Form::show does without a backend: attaches the headless backend with
// the form's design size when the form has no open window.
void showHeadless(Form& form);

}  // namespace ui

#pragma once
// What the windows of one form share: the form itself (its screen scale and
// mouse pointer), the top-level window, the tooltips, the hand pointer, the
// control that holds the mouse, and an error that left an event handler,
// kept until the message loop can rethrow it.

#include <windows.h>

#include <exception>

#include "ui/form.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/units.h"

namespace ui::win32 {

// The control that got a mouse button down, and the buttons held since. The
// window that draws the control holds the mouse capture meanwhile.
struct MousePress {
    Control* control = nullptr;
    int buttons = 0;
};

class BackendContext {
public:
    explicit BackendContext(Form& form);
    BackendContext(const BackendContext&) = delete;
    BackendContext& operator=(const BackendContext&) = delete;

    Form& form() const noexcept { return form_; }
    ScreenScale screen() const noexcept { return {form_.twipsPerPixelX(), form_.twipsPerPixelY()}; }

    // The form's window; null until it is made and once it is gone.
    HWND topLevel() const noexcept { return topLevel_; }
    void setTopLevel(HWND window) noexcept { topLevel_ = window; }

    HCURSOR handCursor() const noexcept { return handCursor_; }
    Tooltips& tooltips() noexcept { return tooltips_; }
    MousePress& press() noexcept { return press_; }
    // A control that goes away no longer holds the mouse.
    void forget(const Control& control) noexcept;

    // Keeps the first error until rethrowError.
    void keepError(std::exception_ptr error) noexcept;
    void rethrowError();

private:
    Form& form_;
    HWND topLevel_ = nullptr;
    HCURSOR handCursor_;
    Tooltips tooltips_;
    MousePress press_;
    std::exception_ptr error_;
};

}  // namespace ui::win32

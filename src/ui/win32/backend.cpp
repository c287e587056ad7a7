#include "ui/win32/backend.h"

#include <memory>
#include <utility>

#include "base/rounding.h"
#include "platform/win32/scoped_handles.h"
#include "ui/win32/box_window.h"
#include "ui/win32/button_peer.h"
#include "ui/win32/check_box_peer.h"
#include "ui/win32/control_peers.h"
#include "ui/win32/drawn_peers.h"
#include "ui/win32/form_window.h"
#include "ui/win32/screen_peer.h"
#include "ui/win32/scroll_bar_peer.h"

namespace ui::win32 {

namespace {

template <typename Peer, typename Box>
void attachBox(ContainerWindow& parent, Box& box) {
    auto peer = std::make_unique<Peer>(parent, box);
    Peer& window = *peer;
    box.setPeer(std::move(peer));
    attachChildren(window);
}

template <typename Peer, typename Kind>
bool attachAs(ContainerWindow& parent, Control& control) {
    auto* kind = dynamic_cast<Kind*>(&control);
    if (!kind) return false;
    kind->setPeer(std::make_unique<Peer>(parent, *kind));
    return true;
}

void attachPeer(ContainerWindow& parent, Control& control) {
    if (auto* pictureBox = dynamic_cast<PictureBox*>(&control)) {
        attachBox<PictureBoxWindow>(parent, *pictureBox);
    } else if (auto* frame = dynamic_cast<Frame*>(&control)) {
        attachBox<FrameWindow>(parent, *frame);
    } else if (!attachAs<LabelPeer, Label>(parent, control) &&
               !attachAs<ImagePeer, Image>(parent, control) &&
               !attachAs<LinePeer, Line>(parent, control) &&
               !attachAs<ButtonPeer, CommandButton>(parent, control) &&
               !attachAs<CheckBoxPeer, CheckBox>(parent, control)) {
        // List boxes and file lists are data: no peer.
        attachAs<ScrollBarPeer, FlatScrollBar>(parent, control);
    }
}

FormWindow* formWindowOf(const Form& form) { return dynamic_cast<FormWindow*>(form.peer()); }

void rethrowKeptError(const Form& form) {
    if (FormWindow* window = formWindowOf(form)) window->context().rethrowError();
}

}  // namespace

void attachChildren(ContainerWindow& window) {
    for (Control* child : window.container().children()) attachPeer(window, *child);
}

void detachChildren(const Container& container) {
    for (Control* child : container.children()) {
        if (const auto* box = dynamic_cast<const Container*>(child)) detachChildren(*box);
        child->setPeer(nullptr);
    }
}

ScreenScale screenScale() {
    const platform::win32::WindowDc screen(nullptr);
    const int dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    if (dpiX <= 0 || dpiY <= 0) return {};
    return {twipsPerInch / dpiX, twipsPerInch / dpiY};
}

WindowOptions designWindowOptions(const Form& form) {
    const ScreenScale scale = screenScale();
    WindowOptions options;
    options.clientWidth = base::roundTo<int32_t>(form.designWidthTwips() / scale.twipsPerPixelX);
    options.clientHeight = base::roundTo<int32_t>(form.designHeightTwips() / scale.twipsPerPixelY);
    options.mainWindow = false;
    return options;
}

void attachScreen() {
    // Made once, on first use; it detaches itself when the program ends.
    static ScreenPeer screenPeer;
}

void createWindow(Form& form, const WindowOptions& options) {
    attachScreen();
    // A form shown again after it was closed: the old peers go before the
    // new window replaces the old one's context.
    detachChildren(form);
    form.setPeer(nullptr);

    const ScreenScale screen = screenScale();
    form.backendSetScreenMetrics(screen.twipsPerPixelX, screen.twipsPerPixelY);
    auto peer = std::make_unique<FormWindow>(
        form, FormWindowOptions{options.clientWidth, options.clientHeight, options.mainWindow,
                                options.closing});
    FormWindow& window = *peer;
    form.setPeer(std::move(peer));
    window.takeOwnDpi();
    attachChildren(window);
    window.controlsAttached();
}

void showWindow(Form& form, int showCommand) {
    if (FormWindow* window = formWindowOf(form)) window->show(showCommand);
}

HWND windowOf(const Control& control) {
    if (const auto* windowed = dynamic_cast<const WindowedPeer*>(control.peer())) {
        return windowed->window();
    }
    if (const auto* form = dynamic_cast<const FormWindow*>(control.peer())) return form->hwnd();
    return nullptr;
}

int runMessageLoop(Form& form) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        rethrowKeptError(form);
    }
    return static_cast<int>(message.wParam);
}

void pumpMessages(Form& form) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Left for the loop that owns the thread.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
        rethrowKeptError(form);
    }
    rethrowKeptError(form);
}

}  // namespace ui::win32

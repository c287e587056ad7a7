#include "ui/headless.h"

#include <memory>

namespace ui {

void HeadlessFormPeer::setOuterSize(int32_t widthTwips, int32_t heightTwips) {
    const auto clientWidth =
        static_cast<int32_t>(widthTwips / form_.twipsPerPixelX()) - borderWidthPixels;
    const auto clientHeight =
        static_cast<int32_t>(heightTwips / form_.twipsPerPixelY()) - borderHeightPixels;
    form_.backendResized(clientWidth, clientHeight, widthTwips, heightTwips, WindowState::normal);
}

void attachHeadless(Form& form, int32_t clientWidth, int32_t clientHeight) {
    form.setPeer(std::make_unique<HeadlessFormPeer>(form));
    resizeClient(form, clientWidth, clientHeight);
}

void resizeClient(Form& form, int32_t clientWidth, int32_t clientHeight) {
    const auto outerWidth = static_cast<int32_t>(
        (clientWidth + HeadlessFormPeer::borderWidthPixels) * form.twipsPerPixelX());
    const auto outerHeight = static_cast<int32_t>(
        (clientHeight + HeadlessFormPeer::borderHeightPixels) * form.twipsPerPixelY());
    form.backendResized(clientWidth, clientHeight, outerWidth, outerHeight, WindowState::normal);
}

void show(Form& form) { resizeClient(form, form.clientWidth(), form.clientHeight()); }

void showHeadless(Form& form) {
    if (form.isOpen()) return;
    attachHeadless(form, static_cast<int32_t>(form.designWidthTwips() / form.twipsPerPixelX()),
                   static_cast<int32_t>(form.designHeightTwips() / form.twipsPerPixelY()));
}

void minimize(Form& form) {
    form.backendResized(0, 0, form.outerWidth(), form.outerHeight(), WindowState::minimized);
}

}  // namespace ui

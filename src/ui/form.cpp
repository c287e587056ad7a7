#include "ui/form.h"

#include <utility>

#include "base/rounding.h"
#include "ui/screen.h"

namespace ui {

FormPeer* Form::formPeer() const { return dynamic_cast<FormPeer*>(peer()); }

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (FormPeer* p = formPeer()) p->captionChanged();
}

void Form::setOuterWidth(int32_t twips) {
    if (FormPeer* p = formPeer()) {
        p->setOuterSize(twips, outerHeight_);
    } else {
        outerWidth_ = twips;
    }
}

void Form::setOuterHeight(int32_t twips) {
    if (FormPeer* p = formPeer()) {
        p->setOuterSize(outerWidth_, twips);
    } else {
        outerHeight_ = twips;
    }
}

void Form::setDesignSize(int32_t widthTwips, int32_t heightTwips) {
    designWidthTwips_ = widthTwips;
    designHeightTwips_ = heightTwips;
}

void Form::show() { screen().showForm(*this); }

bool Form::isOpen() const {
    const FormPeer* p = formPeer();
    return p && p->isOpen();
}

void Form::close() {
    if (FormPeer* p = formPeer()) p->close();
}

void Form::setShowInTaskbar(bool show) {
    if (show == showInTaskbar_) return;
    showInTaskbar_ = show;
    if (FormPeer* p = formPeer()) p->showInTaskbarChanged();
}

void Form::afterPaint(const std::function<void()>& work) {
    FormPeer* p = formPeer();
    if (p && p->isOpen()) {
        p->afterPaint(work);
    } else {
        work();
    }
}

uintptr_t Form::nativeHandle() const {
    const FormPeer* p = formPeer();
    return p ? p->nativeHandle() : 0;
}

void Form::appendSystemMenuItem(int commandId, MenuItem item) {
    systemMenu_[commandId] = std::move(item);
    if (FormPeer* p = formPeer()) p->systemMenuChanged(commandId);
}

void Form::modifySystemMenuItem(int commandId, MenuItem item) {
    const auto entry = systemMenu_.find(commandId);
    if (entry == systemMenu_.end()) return;
    entry->second = std::move(item);
    if (FormPeer* p = formPeer()) p->systemMenuChanged(commandId);
}

void Form::backendResized(int32_t clientWidth, int32_t clientHeight, int32_t outerWidth,
                          int32_t outerHeight, WindowState state) {
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    outerWidth_ = outerWidth;
    outerHeight_ = outerHeight;
    state_ = state;
    if (Resize) Resize();
}

void Form::backendSetScreenMetrics(double twipsPerPixelX, double twipsPerPixelY) {
    if (twipsPerPixelX == twipsPerPixelX_ && twipsPerPixelY == twipsPerPixelY_) return;
    twipsPerPixelX_ = twipsPerPixelX;
    twipsPerPixelY_ = twipsPerPixelY;
    if (ScaleChanged) ScaleChanged();
}

namespace {

constexpr double designTwipsPerPixel = 15;  // 96 DPI

int32_t scaled(int32_t designPixels, double twipsPerPixel) {
    return base::roundTo<int32_t>(designPixels * designTwipsPerPixel / twipsPerPixel);
}

}  // namespace

int32_t Form::scaledX(int32_t designPixels) const { return scaled(designPixels, twipsPerPixelX_); }
int32_t Form::scaledY(int32_t designPixels) const { return scaled(designPixels, twipsPerPixelY_); }

}  // namespace ui

#include "ui/control.h"

#include <algorithm>

#include "base/app_error.h"

namespace ui {

Control::Control(Container* parent, std::string_view name) : name_(name), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
    if (parent_) std::erase(parent_->children_, this);
}

void Control::setLeft(int32_t left) { move(left, top_, width_, height_); }
void Control::setTop(int32_t top) { move(left_, top, width_, height_); }
void Control::setWidth(int32_t width) { move(left_, top_, width, height_); }
void Control::setHeight(int32_t height) { move(left_, top_, width_, height); }

void Control::move(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (width < 0 || height < 0)
        throw base::AppError(base::error_number::invalidPropertyValue, "Invalid property value");
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Change::bounds);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Change::visible);
}

void Control::fireMouseDown(const MouseArgs& args) {
    if (MouseDown) MouseDown(args);
}
void Control::fireMouseUp(const MouseArgs& args) {
    if (MouseUp) MouseUp(args);
}
void Control::fireMouseMove(const MouseArgs& args) {
    if (MouseMove) MouseMove(args);
}
void Control::fireClick() {
    if (Click) Click();
}

void Control::click(const MouseArgs& args) {
    fireMouseDown(args);
    fireMouseUp(args);
    fireClick();
}

void Control::setPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }

void Control::setMeasuredSize(int32_t width, int32_t height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
}

void Control::notify(Change what) {
    if (peer_) peer_->changed(what);
}

Container::Container(Container* parent, std::string_view name, ScaleMode scale)
    : Control(parent, name), scale_(scale) {}

}  // namespace ui

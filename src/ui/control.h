#pragma once
// The window toolkit: controls are plain objects holding their properties and
// events. A backend may attach a peer to a control to mirror it on screen (the
// Win32 backend) or attach none (the headless backend, where tests fire the
// events themselves). Setting a property that shows on screen notifies the
// peer before it returns, so the window shows the change whenever it is made.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/types.h"

namespace ui {

class Container;

// What changed on a control, for its peer.
enum class Change { bounds, visible, content, toolTip, pointer };

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void changed(Change what) = 0;
};

class Control {
public:
    // Registers the control with its container (null only for a window).
    Control(Container* parent, std::string_view name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const noexcept { return name_; }
    Container* parent() const noexcept { return parent_; }

    // Place and size, in the container's scale.
    int32_t left() const noexcept { return left_; }
    int32_t top() const noexcept { return top_; }
    int32_t width() const noexcept { return width_; }
    int32_t height() const noexcept { return height_; }
    void setLeft(int32_t left);
    void setTop(int32_t top);
    void setWidth(int32_t width);
    void setHeight(int32_t height);
    void move(int32_t left, int32_t top, int32_t width, int32_t height);

    bool visible() const noexcept { return visible_; }
    void setVisible(bool visible);

    // Data the program keeps with the control; nothing shows it.
    const std::string& tag() const noexcept { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    // "" for none.
    const std::string& toolTip() const noexcept { return toolTip_; }
    void setToolTip(std::string text) { update(toolTip_, std::move(text), Change::toolTip); }
    // The pointer shown while the mouse is over the control (unless the
    // application-wide pointer overrides it).
    PointerIcon mouseIcon() const noexcept { return mouseIcon_; }
    void setMouseIcon(PointerIcon icon) { update(mouseIcon_, icon, Change::pointer); }

    // Events, fired by the backend (or by a test) on the user-interface thread.
    std::function<void()> Click;
    std::function<void(const MouseArgs&)> MouseDown;
    std::function<void(const MouseArgs&)> MouseUp;
    std::function<void(const MouseArgs&)> MouseMove;

    // Fire the events as a backend does: a click is a mouse-down, a mouse-up
    // and then the click.
    void fireMouseDown(const MouseArgs& args);
    void fireMouseUp(const MouseArgs& args);
    void fireMouseMove(const MouseArgs& args);
    void fireClick();
    void click(const MouseArgs& args = {});

    // Backend side.
    void setPeer(std::unique_ptr<ControlPeer> peer);
    ControlPeer* peer() const noexcept { return peer_.get(); }
    // Sets the size a backend measured (a label sizing itself to its text),
    // without notifying the peer back.
    void setMeasuredSize(int32_t width, int32_t height);

protected:
    void notify(Change what);
    // Sets `field` and tells the peer what changed, when the value is new.
    template <typename T>
    void update(T& field, T value, Change what = Change::content) {
        if (field == value) return;
        field = std::move(value);
        notify(what);
    }

private:
    std::string name_;
    Container* parent_;
    int32_t left_ = 0;
    int32_t top_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool visible_ = true;
    std::string tag_;
    std::string toolTip_;
    PointerIcon mouseIcon_ = PointerIcon::arrow;
    std::unique_ptr<ControlPeer> peer_;
};

// A control that holds others and places them in its own scale.
class Container : public Control {
public:
    Container(Container* parent, std::string_view name, ScaleMode scale);
    ScaleMode scaleMode() const noexcept { return scale_; }
    // The children in creation order, which is their z-order (first is bottom).
    const std::vector<Control*>& children() const noexcept { return children_; }

private:
    friend class Control;
    ScaleMode scale_;
    std::vector<Control*> children_;
};

}  // namespace ui

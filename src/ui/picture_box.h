#pragma once

#include <string>

#include "base/bitmap.h"
#include "ui/control.h"

namespace ui {

// A container that shows a picture at (0, 0), unscaled, on its background
// colour. A picture box larger than its container shows only the part inside
// the container: the backend paints that part at the box's offset and never
// moves a window past the platform's coordinate limits.
class PictureBox : public Container {
public:
    PictureBox(Container* parent, std::string_view name, ScaleMode scale = ScaleMode::pixels)
        : Container(parent, name, scale) {}

    const base::Picture& picture() const noexcept { return picture_; }
    // A picture still being made shows its ready rows (base::Bitmap) and the
    // background colour below them.
    void setPicture(base::Picture picture);
    // More rows of the picture are ready: they are drawn.
    void showReadyRows() { notify(Change::content); }
    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);
    bool bordered() const noexcept { return bordered_; }
    void setBordered(bool bordered) { bordered_ = bordered; }

private:
    base::Picture picture_;
    Color backColor_ = rgb(212, 208, 200);
    bool bordered_ = false;
};

// A frame: a container with a background; a bordered one draws an etched
// border with its caption set into the top edge, in its font.
class Frame : public Container {
public:
    Frame(Container* parent, std::string_view name, ScaleMode scale = ScaleMode::twips)
        : Container(parent, name, scale) {}
    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);

    bool bordered() const noexcept { return bordered_; }
    void setBordered(bool bordered);
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    const Font& font() const noexcept { return font_; }
    void setFont(Font font);

private:
    Color backColor_ = rgb(212, 208, 200);
    bool bordered_ = false;
    std::string caption_;
    Font font_;
};

}  // namespace ui

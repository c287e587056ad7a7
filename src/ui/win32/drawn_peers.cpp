#include "ui/win32/drawn_peers.h"

#include <algorithm>
#include <cstdlib>

#include "base/rounding.h"
#include "ui/win32/backend_context.h"
#include "ui/win32/container_window.h"
#include "ui/win32/label_text.h"
#include "ui/win32/picture_paint.h"

namespace ui::win32 {

LabelPeer::LabelPeer(ContainerWindow& container, Label& label)
    : WindowlessPeer(container, label),
      label_(label),
      fontMade_(label.font()),
      font_(createFont(label.font(), container.context().screen().twipsPerPixelY)) {
    measure();
    attached();
}

void LabelPeer::contentChanged() {
    if (label_.font() != fontMade_) {
        fontMade_ = label_.font();
        font_ = createFont(fontMade_, container().context().screen().twipsPerPixelY);
    }
    measure();
}

void LabelPeer::measure() {
    if (!label_.autoSize()) return;
    const SIZE size = measureLabel(label_, font_.get());
    const ContainerScale scale = container().scale();
    label_.setMeasuredSize(static_cast<int32_t>(base::roundHalfEven(scale.fromPixelsX(size.cx))),
                           static_cast<int32_t>(base::roundHalfEven(scale.fromPixelsY(size.cy))));
}

void LabelPeer::paint(HDC dc, const RECT& rect) const { drawLabel(dc, label_, font_.get(), rect); }

ImagePeer::ImagePeer(ContainerWindow& container, Image& image)
    : WindowlessPeer(container, image), image_(image) {
    attached();
}

void ImagePeer::paint(HDC dc, const RECT& rect) const {
    const base::Picture& picture = image_.picture();
    // An image shows only a whole picture: one still being made is not drawn.
    if (!picture || !picture->complete()) return;
    if (image_.stretch()) {
        stretchPicture(dc, *picture, rect, {0, 0, picture->width(), picture->height()});
        return;
    }
    // At its own size, cut to the image's rectangle.
    drawPictureBand(dc, *picture, rect.left, rect.top, 0, 0,
                    std::min<int>(picture->width(), rect.right - rect.left),
                    std::min<int>(picture->height(), rect.bottom - rect.top));
}

LinePeer::LinePeer(ContainerWindow& container, Line& line)
    : WindowlessPeer(container, line), line_(line) {
    attached();
}

// The width is in pixels at 96 DPI: it grows with the window's DPI.
int LinePeer::penWidth() const {
    return std::max(container().context().form().scaledY(line_.borderWidth()), 1);
}

PixelRect LinePeer::reach() const {
    const ContainerScale scale = container().scale();
    const int64_t x1 = scale.toPixelsX(line_.x1());
    const int64_t y1 = scale.toPixelsY(line_.y1());
    const int64_t x2 = scale.toPixelsX(line_.x2());
    const int64_t y2 = scale.toPixelsY(line_.y2());
    // A wide pen spreads on both sides of the line.
    const int64_t spread = penWidth();
    return {std::min(x1, x2) - spread, std::min(y1, y2) - spread,
            std::abs(x2 - x1) + 2 * spread + 1, std::abs(y2 - y1) + 2 * spread + 1};
}

void LinePeer::paint(HDC dc, const RECT&) const {
    const ContainerScale scale = container().scale();
    const RECT ends =
        container().toClient({scale.toPixelsX(line_.x1()), scale.toPixelsY(line_.y1()),
                              int64_t{scale.toPixelsX(line_.x2())} - scale.toPixelsX(line_.x1()),
                              int64_t{scale.toPixelsY(line_.y2())} - scale.toPixelsY(line_.y1())});
    const platform::win32::ScopedPen pen(CreatePen(PS_SOLID, penWidth(), line_.color()));
    const platform::win32::SelectedObject selected(dc, pen.get());
    MoveToEx(dc, ends.left, ends.top, nullptr);
    LineTo(dc, ends.right, ends.bottom);
}

}  // namespace ui::win32

#pragma once
// The controls drawn by their container's window: labels, images and lines.

#include <windows.h>

#include "platform/win32/scoped_handles.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/win32/peers.h"

namespace ui::win32 {

// A label; one that sizes itself measures its caption whenever it changes.
class LabelPeer final : public WindowlessPeer {
public:
    LabelPeer(ContainerWindow& container, Label& label);
    void paint(HDC dc, const RECT& rect) const override;

private:
    void contentChanged() override;
    void measure();

    Label& label_;
    Font fontMade_;  // the label's font when font_ was made
    platform::win32::ScopedFont font_;
};

// An image: stretched over its rectangle, or at the picture's own size.
class ImagePeer final : public WindowlessPeer {
public:
    ImagePeer(ContainerWindow& container, Image& image);
    void paint(HDC dc, const RECT& rect) const override;

private:
    const Image& image_;
};

// A line between two points of its container.
class LinePeer final : public WindowlessPeer {
public:
    LinePeer(ContainerWindow& container, Line& line);
    void paint(HDC dc, const RECT& rect) const override;
    bool takesMouse() const noexcept override { return false; }
    PixelRect reach() const override;

private:
    int penWidth() const;

    const Line& line_;
};

}  // namespace ui::win32

#include "ui/win32/label_text.h"

#include <string>

#include "base/rounding.h"
#include "platform/win32/text_conv.h"
#include "ui/win32/picture_paint.h"
#include "ui/win32/units.h"

namespace ui::win32 {

namespace {

constexpr double pointsPerInch = 72;
constexpr int sunkenBorder = 2;  // EDGE_SUNKEN

// Captions are shown as they stand: an ampersand is a character, not a prefix.
constexpr UINT textFormat = DT_NOPREFIX | DT_SINGLELINE;

}  // namespace

platform::win32::ScopedFont createFont(const Font& font, double twipsPerPixel) {
    const double dpi = twipsPerInch / twipsPerPixel;
    const auto height = static_cast<int>(base::roundHalfEven(font.points * dpi / pointsPerInch));
    const std::wstring face = platform::win32::utf8ToWide(font.name);
    return platform::win32::ScopedFont(CreateFontW(
        -height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE,
        font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

int borderThickness(const Label& label) { return label.bordered() ? sunkenBorder : 0; }

SIZE measureLabel(const Label& label, HFONT font) {
    const platform::win32::WindowDc screen(nullptr);
    const platform::win32::SelectedObject selected(screen.get(), font);
    const std::wstring text = platform::win32::utf8ToWide(label.caption());
    SIZE size{};
    if (!text.empty()) {
        RECT bounds{};
        DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
                  textFormat | DT_CALCRECT);
        size.cx = bounds.right - bounds.left;
    }
    // An empty caption still takes a line's height.
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    size.cy = metrics.tmHeight;
    const int border = borderThickness(label);
    size.cx += 2 * border;
    size.cy += 2 * border;
    return size;
}

void drawLabel(HDC dc, const Label& label, HFONT font, const RECT& rect) {
    if (!label.transparent()) fillRect(dc, rect, label.backColor());
    RECT inside = rect;
    if (label.bordered()) DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const std::wstring text = platform::win32::utf8ToWide(label.caption());
    if (text.empty()) return;
    const platform::win32::SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(label.foreColor()));
    const UINT alignment = label.alignment() == Alignment::center ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside, textFormat | alignment);
}

}  // namespace ui::win32

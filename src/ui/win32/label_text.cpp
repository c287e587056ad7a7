#include "ui/win32/label_text.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/rounding.h"
#include "platform/win32/dib_format.h"
#include "platform/win32/text_conv.h"
#include "ui/win32/picture_paint.h"
#include "ui/win32/work_times.h"
#include "ui/win32/units.h"

namespace ui::win32 {

namespace {

constexpr double pointsPerInch = 72;
constexpr int sunkenBorder = 2;  // EDGE_SUNKEN

// Captions are shown as they stand: an ampersand is a character, not a prefix.
constexpr UINT textFormat = DT_NOPREFIX | DT_SINGLELINE;

// How far right the ink of `text` reaches, drawn from x = 0 with the font
// selected into the memory DC `dc`; never less than its advance. Antialiased
// edges and overhanging glyphs ("/" in italics, say) may reach a pixel or more
// past the advance, and a label cut at the advance loses them.
LONG inkRight(HDC dc, const std::wstring& text, SIZE advance) {
    const LONG width = advance.cx + advance.cy;  // room for any overhang
    const BITMAPINFO format = platform::win32::topDown32(width, advance.cy);
    void* bits = nullptr;
    const platform::win32::ScopedBitmap canvas(
        CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!canvas || !bits) return advance.cx;
    const platform::win32::SelectedObject selected(dc, canvas.get());
    PatBlt(dc, 0, 0, width, advance.cy, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT area{0, 0, width, advance.cy};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, textFormat | DT_NOCLIP);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    constexpr uint32_t paper = 0x00FFFFFF;
    for (LONG x = width - 1; x >= advance.cx; --x) {
        for (LONG y = 0; y < advance.cy; ++y) {
            if ((pixels[static_cast<size_t>(y) * static_cast<size_t>(width) +
                        static_cast<size_t>(x)] &
                 paper) != paper)
                return x + 1;
        }
    }
    return advance.cx;
}

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
    const TimedPiece timed("measure", label.name());
    // Measured in a bitmap, as labels are painted.
    const platform::win32::WindowDc screen(nullptr);
    const platform::win32::ScopedDc memory(CreateCompatibleDC(screen.get()));
    const HDC dc = memory ? memory.get() : screen.get();
    const platform::win32::SelectedObject selected(dc, font);
    const std::wstring text = platform::win32::utf8ToWide(label.caption());
    // An empty caption still takes a line's height.
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{0, metrics.tmHeight};
    if (!text.empty()) {
        RECT bounds{};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                  textFormat | DT_CALCRECT);
        size.cx = bounds.right - bounds.left;
        if (memory) size.cx = inkRight(dc, text, size);
    }
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

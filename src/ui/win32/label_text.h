#pragma once
// A label's text: its font at the screen's size, its measure and its drawing.

#include <windows.h>

#include <string_view>

#include "platform/win32/scoped_handles.h"
#include "ui/label.h"

namespace ui::win32 {

// The label's font at `twipsPerPixel` (its height in pixels is the point size
// at the screen's DPI, 1440 / twipsPerPixel). Null when the system has none.
platform::win32::ScopedFont createFont(const Font& font, double twipsPerPixel);

// The pixels a label's border takes on each side.
int borderThickness(const Label& label);

// The size in pixels of the label's caption on one line, border included: as
// wide as its ink reaches when painted, which may be past its advance.
SIZE measureLabel(const Label& label, HFONT font);

// Draws the label in `rect`: its background unless it is transparent, its
// border, and its caption in its colour, left or centred, from the top.
void drawLabel(HDC dc, const Label& label, HFONT font, const RECT& rect);

}  // namespace ui::win32

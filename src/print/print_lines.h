#pragma once
// Text broken into lines that fit a width on the printer, in its current font.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/printer_device.h"

namespace mdlPicPrint {

// `text` as lines no wider than `width`: each broken after the last of the
// characters in `breakAfter` that lets it fit while keeping at least half of
// what would fit, else after the last character that fits, and at least one
// character a line (never inside a UTF-8 sequence). At most `maxLines`
// lines (at least one): the text past them is left out, the last line then
// ending in "...". An empty text is one empty line.
std::vector<std::string> linesOf(platform::PrinterDevice& printer, std::string_view text,
                                 double width, std::string_view breakAfter, size_t maxLines);

}  // namespace mdlPicPrint

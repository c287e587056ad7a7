#pragma once
// The entries of the viewer's commands in the window's system menu, each
// entry's text followed by a tab and its keyboard shortcut. The commands' ids
// live with the program's other ids.

#include <string_view>

#include "resource_ids.h"

namespace commands {

inline constexpr std::string_view addressBarEntry = "&Address bar\tAlt+A";

struct Entry {
    int id;
    std::string_view text;
};

// In the menu's order, below a separator.
inline constexpr Entry menuEntries[] = {
    {open, "&Open...\tAlt+O"},      {print, "&Print...\tAlt+P"}, {addressBar, addressBarEntry},
    {settings, "S&ettings\tAlt+S"}, {about, "A&bout\tAlt+B"},    {help, "&How To\tAlt+H"},
};

}  // namespace commands

#pragma once
// The viewer's commands in the window's system menu: their identifiers and
// entries, each entry's text followed by a tab and its keyboard shortcut.

#include <string_view>

namespace commands {

inline constexpr int addressBar = 1000;
inline constexpr int about = 1001;
inline constexpr int help = 1002;
inline constexpr int open = 1003;
inline constexpr int print = 1004;
inline constexpr int settings = 1005;

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

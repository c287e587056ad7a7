#pragma once
// The entries of the viewer's commands in the window's system menu, each
// entry's text followed by a tab and its keyboard shortcut. The commands' ids
// live with the program's other ids.

#include <string_view>

#include "input/keyboard.h"
#include "resource_ids.h"

namespace commands {

inline constexpr std::string_view addressBarEntry = "&Address bar\tAlt+A";

struct Entry {
    int id;
    std::string_view text;
    input::KeyCommand command;  // what the entry does: as its key does
};

// In the menu's order, below a separator.
inline constexpr Entry menuEntries[] = {
    {open, "&Open...\tAlt+O", input::KeyCommand::openFile},
    {print, "&Print...\tAlt+P", input::KeyCommand::print},
    {addressBar, addressBarEntry, input::KeyCommand::toggleAddressBar},
    {settings, "S&ettings\tAlt+S", input::KeyCommand::settings},
    {about, "A&bout\tAlt+B", input::KeyCommand::about},
    {help, "&How To\tAlt+H", input::KeyCommand::help},
};

}  // namespace commands

#pragma once

#include <string_view>

namespace nav {

// True when `a` sorts before `b` as Explorer sorts file names: letter case
// ignored and runs of digits compared by their value, so "page2" comes before
// "page10". Names equal that way are ordered by their bytes, so the order is
// total and stable across runs.
bool naturalLess(std::string_view a, std::string_view b);

}  // namespace nav

#pragma once
// The settings store: named text values in sections, each section a key below
// HKEY_LOCAL_MACHINE "SOFTWARE\tessmire\" ("" is that key itself). No cache:
// every call goes to the registry. Nothing is reported.

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace mdlINI {

inline constexpr std::string_view settingsKey = "SOFTWARE\\tessmire\\";

// Section names of the store.
inline constexpr std::string_view lastExecuteSection = "Last Execute";

// The value `key` of `section`, or "" when it is missing or not text.
std::string getSetting(platform::Registry& registry, std::string_view section,
                       std::string_view key);

// Stores `value` as `key` of `section`, creating the section on first use.
void saveSetting(platform::Registry& registry, std::string_view section, std::string_view key,
                 std::string_view value);

}  // namespace mdlINI

#pragma once
// The settings store: named text values in sections, each section a key below
// the product key ("" is that key itself). No cache: every call goes to the
// registry. Nothing is reported.
//
// Two places hold the product key:
// - the user's settings ("ADDRESS_BAR", "Last Execute", "Print") live per user
//   under HKEY_CURRENT_USER "Software\tessmire\", where a program that is not
//   elevated may write; a value not found there is read from the machine's key,
//   where earlier versions kept them;
// - the records of the JPEG handlers the viewer replaced live in the machine's
//   key HKEY_LOCAL_MACHINE "SOFTWARE\tessmire\", written only by the install and
//   uninstall verbs, which the installer runs elevated.

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace mdlINI {

inline constexpr std::string_view userSettingsKey = "Software\\tessmire\\";
inline constexpr std::string_view machineSettingsKey = "SOFTWARE\\tessmire\\";

// Section names of the store.
inline constexpr std::string_view lastExecuteSection = "Last Execute";

// The user's value `key` of `section`; when that reads empty (missing, or not
// text), the machine's; "" when neither has one.
std::string getSetting(platform::Registry& registry, std::string_view section,
                       std::string_view key);

// Stores `value` as the user's `key` of `section`, creating the section on first use.
void saveSetting(platform::Registry& registry, std::string_view section, std::string_view key,
                 std::string_view value);

// The machine's value `key` of `section`, or "" when it is missing or not text.
std::string getMachineSetting(platform::Registry& registry, std::string_view section,
                              std::string_view key);

// Stores `value` as the machine's `key` of `section`, creating the section on
// first use; a refused write changes nothing.
void saveMachineSetting(platform::Registry& registry, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace mdlINI

#pragma once
// Thin registry wrappers: a root, a subkey path and a value name in, plain text
// out. They report nothing: a failed read gives "", a refused write leaves the
// registry as it was, and the caller carries on either way. Each call opens,
// uses and closes its own key.

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace modReg {

// The REG_SZ value `valueName` ("" for the default value) of root\subKey, cut at
// its first NUL; "" when the key or value is missing or of another type.
std::string queryRegString(platform::Registry& registry, platform::RegKey root,
                           std::string_view subKey, std::string_view valueName);

// Creates root\subKey with every missing level and stores `value` as REG_SZ,
// its bytes and a terminating NUL.
void setRegString(platform::Registry& registry, platform::RegKey root, std::string_view subKey,
                  std::string_view valueName, std::string_view value);

// Deletes the one key root\subKey; a key that still has subkeys stays.
void deleteRegKey(platform::Registry& registry, platform::RegKey root, std::string_view subKey);

// Deletes the one value `valueName` of root\subKey.
void deleteRegValue(platform::Registry& registry, platform::RegKey root, std::string_view subKey,
                    std::string_view valueName);

// Creates root\subKey with full access and closes it again.
void createRegKey(platform::Registry& registry, platform::RegKey root, std::string_view subKey);

}  // namespace modReg

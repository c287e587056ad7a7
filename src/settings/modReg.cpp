#include "settings/modReg.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace modReg {

using platform::Registry;
using platform::RegKey;
using platform::ScopedRegKey;

std::string queryRegString(Registry& registry, RegKey root, std::string_view subKey,
                           std::string_view valueName) {
    // A failed open leaves the handle 0, so the queries below fail and the
    // result is "".
    ScopedRegKey key(registry);
    registry.openKey(root, subKey, key.out());

    // First ask for type and size only; the type alone decides.
    uint32_t type = 0;
    uint32_t size = 0;
    registry.queryValue(key.get(), valueName, type, nullptr, size);
    if (type != platform::kRegSz) return {};

    std::vector<uint8_t> buffer(size, ' ');
    type = 0;
    uint32_t read = size;
    if (registry.queryValue(key.get(), valueName, type, buffer.data(), read) !=
        platform::kErrorSuccess) {
        return {};
    }
    buffer.resize(std::min<size_t>(read, buffer.size()));

    // Values carry a terminating NUL, except what earlier versions of this
    // program wrote: take the text up to the first NUL, or all of it.
    const auto nul = std::find(buffer.begin(), buffer.end(), uint8_t{0});
    return std::string(buffer.begin(), nul);
}

void setRegString(Registry& registry, RegKey root, std::string_view subKey,
                  std::string_view valueName, std::string_view value) {
    ScopedRegKey key(registry);
    registry.createKey(root, subKey, key.out());
    // With its terminating NUL, as other programs expect to read it (an empty
    // value is then one NUL, never zero bytes).
    std::string terminated(value);
    terminated.push_back('\0');
    registry.setValue(key.get(), valueName, platform::kRegSz,
                      reinterpret_cast<const uint8_t*>(terminated.data()),
                      static_cast<uint32_t>(terminated.size()));
}

void deleteRegKey(Registry& registry, RegKey root, std::string_view subKey) {
    registry.deleteKey(root, subKey);
}

void deleteRegValue(Registry& registry, RegKey root, std::string_view subKey,
                    std::string_view valueName) {
    ScopedRegKey key(registry);
    registry.openKey(root, subKey, key.out());
    registry.deleteValue(key.get(), valueName);
}

void createRegKey(Registry& registry, RegKey root, std::string_view subKey) {
    ScopedRegKey key(registry);
    registry.createKeyEx(root, subKey, platform::kRegOptionNonVolatile, platform::kKeyAllAccess,
                         key.out());
}

}  // namespace modReg

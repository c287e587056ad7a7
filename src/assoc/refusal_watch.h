#pragma once
// A registry that passes every call on and notes whether a write was refused
// (access denied), as it is for a user who may not write the machine's
// classes. The association operations ignore failures by design; this lets
// the settings dialog tell the user why a change did not take effect.

#include "platform/registry.h"

namespace mdlFileAssoc {

class RefusalWatch final : public platform::Registry {
public:
    // `registry` outlives the watch.
    explicit RefusalWatch(platform::Registry& registry) : registry_(registry) {}

    bool refused() const noexcept { return refused_; }

    long openKey(platform::RegKey root, std::string_view subKey,
                 platform::RegKey& result) override {
        return registry_.openKey(root, subKey, result);
    }
    long createKey(platform::RegKey root, std::string_view subKey,
                   platform::RegKey& result) override {
        return noted(registry_.createKey(root, subKey, result));
    }
    long createKeyEx(platform::RegKey root, std::string_view subKey, uint32_t options,
                     uint32_t access, platform::RegKey& result) override {
        return noted(registry_.createKeyEx(root, subKey, options, access, result));
    }
    long queryValue(platform::RegKey key, std::string_view valueName, uint32_t& type, uint8_t* data,
                    uint32_t& size) override {
        return registry_.queryValue(key, valueName, type, data, size);
    }
    long setValue(platform::RegKey key, std::string_view valueName, uint32_t type,
                  const uint8_t* data, uint32_t size) override {
        return noted(registry_.setValue(key, valueName, type, data, size));
    }
    long deleteKey(platform::RegKey root, std::string_view subKey) override {
        const long result = registry_.deleteKey(root, subKey);
        // A key with subkeys refuses its deletion the same way; opening it
        // for writing (which changes nothing) tells the two apart.
        if (result == platform::kErrorAccessDenied) {
            platform::ScopedRegKey key(registry_);
            noted(registry_.createKeyEx(root, subKey, platform::kRegOptionNonVolatile,
                                        platform::kKeyAllAccess, key.out()));
        }
        return result;
    }
    long deleteTree(platform::RegKey root, std::string_view subKey) override {
        return noted(registry_.deleteTree(root, subKey));
    }
    long deleteValue(platform::RegKey key, std::string_view valueName) override {
        return noted(registry_.deleteValue(key, valueName));
    }
    long closeKey(platform::RegKey key) override { return registry_.closeKey(key); }

private:
    long noted(long result) {
        if (result == platform::kErrorAccessDenied) refused_ = true;
        return result;
    }

    platform::Registry& registry_;
    bool refused_ = false;
};

}  // namespace mdlFileAssoc

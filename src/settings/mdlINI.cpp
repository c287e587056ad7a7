#include "settings/mdlINI.h"

#include "settings/modReg.h"

namespace mdlINI {

namespace {

std::string sectionPath(std::string_view productKey, std::string_view section) {
    std::string path(productKey);
    path += section;
    return path;
}

void saveIn(platform::Registry& registry, platform::RegKey root, std::string_view productKey,
            std::string_view section, std::string_view key, std::string_view value) {
    const std::string path = sectionPath(productKey, section);

    // Probe for the section first and create it with full access when missing.
    long probe = 0;
    {
        platform::ScopedRegKey probeKey(registry);
        probe = registry.openKey(root, path, probeKey.out());
    }
    if (probe != platform::kErrorSuccess) modReg::createRegKey(registry, root, path);

    modReg::setRegString(registry, root, path, key, value);
}

}  // namespace

std::string getSetting(platform::Registry& registry, std::string_view section,
                       std::string_view key) {
    std::string value = modReg::queryRegString(registry, platform::kCurrentUser,
                                               sectionPath(userSettingsKey, section), key);
    if (!value.empty()) return value;
    return getMachineSetting(registry, section, key);
}

void saveSetting(platform::Registry& registry, std::string_view section, std::string_view key,
                 std::string_view value) {
    saveIn(registry, platform::kCurrentUser, userSettingsKey, section, key, value);
}

std::string getMachineSetting(platform::Registry& registry, std::string_view section,
                              std::string_view key) {
    return modReg::queryRegString(registry, platform::kLocalMachine,
                                  sectionPath(machineSettingsKey, section), key);
}

void saveMachineSetting(platform::Registry& registry, std::string_view section,
                        std::string_view key, std::string_view value) {
    saveIn(registry, platform::kLocalMachine, machineSettingsKey, section, key, value);
}

}  // namespace mdlINI

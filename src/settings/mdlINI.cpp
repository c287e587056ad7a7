#include "settings/mdlINI.h"

#include "settings/modReg.h"

namespace mdlINI {

namespace {

std::string sectionPath(std::string_view section) {
    std::string path(settingsKey);
    path += section;
    return path;
}

}  // namespace

std::string getSetting(platform::Registry& registry, std::string_view section,
                       std::string_view key) {
    return modReg::queryRegString(registry, platform::kLocalMachine, sectionPath(section), key);
}

void saveSetting(platform::Registry& registry, std::string_view section, std::string_view key,
                 std::string_view value) {
    const std::string path = sectionPath(section);

    // Probe for the section first and create it with full access when missing.
    long probe = 0;
    {
        platform::ScopedRegKey probeKey(registry);
        probe = registry.openKey(platform::kLocalMachine, path, probeKey.out());
    }
    if (probe != platform::kErrorSuccess)
        modReg::createRegKey(registry, platform::kLocalMachine, path);

    modReg::setRegString(registry, platform::kLocalMachine, path, key, value);
}

}  // namespace mdlINI

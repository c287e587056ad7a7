// What the uninstaller runs after the "uninstall" verb: the verb gives back
// only what it recorded, so a JPEG extension that had no handler before, or a
// per-user choice another program re-claimed in between, still names the
// viewer. Once the program's files are gone every such value makes those files
// fail to open; without it Windows asks the user which program to use.

#include "assoc/assoc_keys.h"
#include "assoc/mdlFileAssoc.h"
#include "base/text.h"
#include "settings/modReg.h"

namespace mdlFileAssoc {

using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::Registry;
using platform::Shell;

namespace {

constexpr std::string_view userClasses = "Software\\Classes\\";
constexpr std::string_view openWithProgIds = "\\OpenWithProgids";

bool isOwnProgId(std::string_view value) {
    const std::string upper = base::upperCase(value);
    return upper == keys::ownProgIdCompared || upper == keys::jpegProgIdCompared;
}

// Deletes the value `name` of root\key when it names one of the viewer's ProgIDs.
void deleteIfOwn(Registry& registry, platform::RegKey root, const std::string& key,
                 std::string_view name) {
    if (isOwnProgId(modReg::queryRegString(registry, root, key, name)))
        modReg::deleteRegValue(registry, root, key, name);
}

// An "Open with" list names a ProgID by a value of that name.
void deleteOwnOpenWithEntries(Registry& registry, platform::RegKey root, const std::string& key) {
    for (const std::string_view progId : {keys::ownProgId, keys::jpegProgId})
        modReg::deleteRegValue(registry, root, key + std::string(openWithProgIds), progId);
}

void removeFromExtension(Registry& registry, std::string_view ext) {
    // The class of the extension, machine-wide and per user.
    for (const auto& [root, key] : {std::pair{kLocalMachine, keys::machineClassKey(ext)},
                                    std::pair{kCurrentUser, keys::joined(userClasses, ext)}}) {
        deleteIfOwn(registry, root, key, keys::defaultValue);
        deleteOwnOpenWithEntries(registry, root, key);
    }

    // The choices Explorer keeps per user.
    const std::string fileExts = keys::fileExtsKey(ext);
    deleteIfOwn(registry, kCurrentUser, fileExts, keys::userProgIdValue);
    const std::string application =
        modReg::queryRegString(registry, kCurrentUser, fileExts, keys::userApplicationValue);
    if (keys::containsText(base::upperCase(application), base::upperCase(keys::viewerExecutable))) {
        modReg::deleteRegValue(registry, kCurrentUser, fileExts, keys::userApplicationValue);
    }
    deleteOwnOpenWithEntries(registry, kCurrentUser, fileExts);
    // The choice made in "Open with" or Default apps is a key of its own.
    const std::string choice = keys::userChoiceKey(ext);
    if (isOwnProgId(modReg::queryRegString(registry, kCurrentUser, choice, keys::userProgIdValue)))
        registry.deleteTree(kCurrentUser, choice);
}

}  // namespace

void removeLeftovers(Registry& registry, Shell& shell) {
    for (const std::string_view ext : {".jpeg", ".jpg", ".mire", ".mre"})
        removeFromExtension(registry, ext);
    for (const std::string_view progId : {keys::ownProgId, keys::jpegProgId}) {
        registry.deleteTree(kLocalMachine, keys::machineClassKey(progId));
        registry.deleteTree(kCurrentUser, keys::joined(userClasses, progId));
    }
    shell.notifyAssociationChanged();
}

}  // namespace mdlFileAssoc

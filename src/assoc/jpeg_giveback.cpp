// Giving ".jpeg" and ".jpg" back to the handlers kept at take-over.

#include "assoc/assoc_keys.h"
#include "assoc/mdlFileAssoc.h"
#include "settings/mdlINI.h"
#include "settings/modReg.h"

namespace mdlFileAssoc {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::Registry;
using platform::Shell;

namespace {

void writeContentTypes(Registry& registry, platform::RegKey root, std::string_view key) {
    modReg::setRegString(registry, root, key, keys::contentTypeName, keys::contentType);
    modReg::setRegString(registry, root, key, keys::perceivedTypeName, keys::perceivedType);
}

// Marks a place of the record as given back.
void forget(Registry& registry, std::string_view section, std::string_view idKey,
            std::string_view shellKey) {
    mdlINI::saveMachineSetting(registry, section, idKey, "");
    mdlINI::saveMachineSetting(registry, section, shellKey, "");
}

void giveBack(Registry& registry, Shell& shell, const keys::JpegExtension& kind) {
    bool changed = false;
    // ".jpeg"'s class key is rebuilt from scratch; ".jpg"'s keeps its other values.
    const bool rebuildClassKey = kind.ext == keys::jpeg.ext;

    // The classes root. With nothing kept it stays with the viewer.
    const std::string rootProgId =
        mdlINI::getMachineSetting(registry, kind.rootSection, keys::progIdKey);
    if (!rootProgId.empty()) {
        if (rebuildClassKey) modReg::deleteRegKey(registry, kClassesRoot, kind.ext);
        modReg::setRegString(registry, kClassesRoot, kind.ext, keys::defaultValue, rootProgId);
        if (rebuildClassKey) writeContentTypes(registry, kClassesRoot, kind.ext);
        forget(registry, kind.rootSection, keys::progIdKey, keys::progShellKey);
        changed = true;
    }

    // The per-user choices: restored when kept, else our own choice removed.
    const std::string fileExts = keys::fileExtsKey(kind.ext);
    const std::string userProgId =
        mdlINI::getMachineSetting(registry, kind.userSection, keys::progIdKey);
    if (!userProgId.empty()) {
        modReg::setRegString(registry, kCurrentUser, fileExts, keys::userProgIdValue, userProgId);
        forget(registry, kind.userSection, keys::progIdKey, keys::progShellKey);
        changed = true;
    } else {
        modReg::deleteRegValue(registry, kCurrentUser, fileExts, keys::userProgIdValue);
    }

    const std::string application =
        mdlINI::getMachineSetting(registry, kind.userSection, keys::appIdKey);
    if (!application.empty()) {
        modReg::setRegString(registry, kCurrentUser, fileExts, keys::userApplicationValue,
                             application);
        forget(registry, kind.userSection, keys::appIdKey, keys::appShellKey);
        changed = true;
    } else {
        modReg::deleteRegValue(registry, kCurrentUser, fileExts, keys::userApplicationValue);
    }

    // The machine's classes, whose key the take-over deleted.
    const std::string machineProgId =
        mdlINI::getMachineSetting(registry, kind.machineSection, keys::progIdKey);
    if (!machineProgId.empty()) {
        const std::string machineKey = keys::machineClassKey(kind.ext);
        modReg::setRegString(registry, kLocalMachine, machineKey, keys::defaultValue,
                             machineProgId);
        writeContentTypes(registry, kLocalMachine, machineKey);
        forget(registry, kind.machineSection, keys::progIdKey, keys::progShellKey);
        changed = true;
    }

    if (changed) shell.notifyAssociationChanged();
}

}  // namespace

void unassociateJpeg(Registry& registry, Shell& shell) { giveBack(registry, shell, keys::jpeg); }

void unassociateJpg(Registry& registry, Shell& shell) { giveBack(registry, shell, keys::jpg); }

}  // namespace mdlFileAssoc

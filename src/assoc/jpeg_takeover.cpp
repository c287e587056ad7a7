// Taking ".jpeg" and ".jpg" over, keeping what each place named before.

#include "assoc/assoc_keys.h"
#include "assoc/mdlFileAssoc.h"
#include "base/text.h"
#include "platform/mdlGen.h"
#include "settings/mdlINI.h"
#include "settings/modReg.h"

namespace mdlFileAssoc {

using platform::Files;
using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::Registry;
using platform::Shell;

namespace {

std::string defaultOf(Registry& registry, platform::RegKey root, std::string_view key) {
    return modReg::queryRegString(registry, root, key, keys::defaultValue);
}

// The open command of a class, else its edit command.
std::string openOrEditCommand(Registry& registry, std::string_view classKey) {
    std::string command =
        defaultOf(registry, kClassesRoot, keys::joined(classKey, keys::openCommand));
    if (command.empty())
        command = defaultOf(registry, kClassesRoot, keys::joined(classKey, keys::editCommand));
    return command;
}

// What starts a per-user "Application" choice: the value itself when it is a
// program file or a RUNDLL32 line, else the application's registered command.
std::string applicationCommand(Registry& registry, Files& files, std::string_view application) {
    const std::string path = base::withoutQuotes(keys::replaceAll(application, "%1", ""));
    if (!mdlGen::fileExists(files, path) &&
        !keys::containsText(base::upperCase(path), "RUNDLL32")) {
        return openOrEditCommand(registry, keys::joined("Applications\\", application));
    }
    return std::string(application);
}

// Keeps the handler a take-over found at one place, and says whether the
// record holds one for that place now: a place is taken over only then, so a
// refused write to the record never loses the handler it names. A place that
// already holds one keeps it: that is the handler to give back, and a later
// take-over (after another program re-claimed the extension, say) must not
// lose it.
bool keepPrevious(Registry& registry, std::string_view section, std::string_view idKey,
                  std::string_view shellKey, std::string_view id, std::string_view command) {
    if (!mdlINI::getMachineSetting(registry, section, idKey).empty()) return true;
    mdlINI::saveMachineSetting(registry, section, idKey, id);
    mdlINI::saveMachineSetting(registry, section, shellKey, command);
    return !mdlINI::getMachineSetting(registry, section, idKey).empty();
}

void takeOver(Registry& registry, Files& files, Shell& shell, const keys::JpegExtension& kind) {
    bool changed = false;
    clearJpegUserKeys(registry);

    // The classes root. An empty ProgID is taken over too: there is nothing to
    // lose, and it keeps an empty record.
    const std::string rootProgId = defaultOf(registry, kClassesRoot, kind.ext);
    const std::string rootCommand =
        defaultOf(registry, kClassesRoot, keys::joined(rootProgId, keys::openCommand));
    if (base::upperCase(rootProgId) != keys::jpegProgIdCompared &&
        (keepPrevious(registry, kind.rootSection, keys::progIdKey, keys::progShellKey, rootProgId,
                      rootCommand) ||
         rootProgId.empty())) {
        modReg::setRegString(registry, kClassesRoot, kind.ext, keys::defaultValue,
                             keys::jpegProgIdAsNamed);
        changed = true;
    }

    // The per-user Explorer choice of a ProgID.
    const std::string fileExts = keys::fileExtsKey(kind.ext);
    const std::string userProgId =
        modReg::queryRegString(registry, kCurrentUser, fileExts, keys::userProgIdValue);
    if (keys::isForeign(userProgId) &&
        keepPrevious(registry, kind.userSection, keys::progIdKey, keys::progShellKey, userProgId,
                     openOrEditCommand(registry, userProgId))) {
        modReg::setRegString(registry, kCurrentUser, fileExts, keys::userProgIdValue,
                             keys::jpegProgIdAsNamed);
        changed = true;
    }

    // The per-user Explorer choice of an application: replaced by our ProgID.
    const std::string application =
        modReg::queryRegString(registry, kCurrentUser, fileExts, keys::userApplicationValue);
    if (keys::isForeign(application) &&
        keepPrevious(registry, kind.userSection, keys::appIdKey, keys::appShellKey, application,
                     applicationCommand(registry, files, application))) {
        modReg::deleteRegValue(registry, kCurrentUser, fileExts, keys::userApplicationValue);
        modReg::setRegString(registry, kCurrentUser, fileExts, keys::userProgIdValue,
                             keys::jpegProgIdAsNamed);
        changed = true;
    }

    // The machine's classes: its key goes, so the classes root decides.
    const std::string machineKey = keys::machineClassKey(kind.ext);
    const std::string machineProgId = defaultOf(registry, kLocalMachine, machineKey);
    if (keys::isForeign(machineProgId) &&
        keepPrevious(registry, kind.machineSection, keys::progIdKey, keys::progShellKey,
                     machineProgId, openOrEditCommand(registry, machineProgId))) {
        modReg::deleteRegKey(registry, kLocalMachine, machineKey);
        changed = true;
    }

    if (changed) shell.notifyAssociationChanged();
}

}  // namespace

void clearJpegUserKeys(Registry& registry) {
    modReg::deleteRegKey(registry, kCurrentUser, "Software\\Classes\\jpegfile");
    modReg::deleteRegKey(registry, kCurrentUser, "Software\\Classes\\.jpeg");
    modReg::deleteRegKey(registry, kClassesRoot, ".jpeg\\ShellEx");
    modReg::deleteRegKey(registry, kClassesRoot, "SystemFileAssociations\\.jpeg");
    modReg::deleteRegKey(registry, kCurrentUser,
                         "Software\\Classes\\SystemFileAssociations\\.jpeg");
}

void associateJpeg(Registry& registry, Files& files, Shell& shell) {
    takeOver(registry, files, shell, keys::jpeg);
}

void associateJpg(Registry& registry, Files& files, Shell& shell) {
    takeOver(registry, files, shell, keys::jpg);
}

}  // namespace mdlFileAssoc

// The viewer's own ProgIDs and extensions, and the association test.

#include "assoc/mdlFileAssoc.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "assoc/assoc_keys.h"
#include "base/text.h"
#include "settings/mdlINI.h"
#include "settings/modReg.h"

namespace mdlFileAssoc {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::Registry;
using platform::Shell;

namespace {

void associateOwnExtension(Registry& registry, Shell& shell, std::string_view ext) {
    // Both places, so the extension opens with the viewer for every user
    // whichever way the classes root resolves.
    const std::string machineKey = keys::machineClassKey(ext);
    for (const auto& [root, key] :
         {std::pair{kClassesRoot, std::string(ext)}, std::pair{kLocalMachine, machineKey}}) {
        modReg::setRegString(registry, root, key, keys::defaultValue, keys::ownProgId);
        modReg::setRegString(registry, root, key, keys::contentTypeName, keys::contentType);
        modReg::setRegString(registry, root, key, keys::perceivedTypeName, keys::perceivedType);
    }
    shell.notifyAssociationChanged();
}

void unassociateOwnExtension(Registry& registry, Shell& shell, std::string_view ext) {
    modReg::deleteRegKey(registry, kLocalMachine, keys::machineClassKey(ext));
    modReg::deleteRegKey(registry, kClassesRoot, ext);
    // Shared with the other own extension; it has subkeys, so it stays.
    modReg::deleteRegKey(registry, kClassesRoot, keys::ownProgId);
    shell.notifyAssociationChanged();
}

}  // namespace

std::string viewerCommand(Shell& shell) {
    const std::string ownPath = shell.executablePath();
    const size_t slash = ownPath.rfind('\\');
    const std::string folder =
        slash == std::string::npos ? std::string() : ownPath.substr(0, slash);
    return "\"" + folder + "\\" + std::string(keys::viewerExecutable) + "\" %1";
}

void registerProgIds(Registry& registry, Shell& shell) {
    // The viewer's files show the icon of whatever opens JPEG files now.
    const std::string currentProgId =
        modReg::queryRegString(registry, kClassesRoot, ".jpeg", keys::defaultValue);
    const std::string icon = modReg::queryRegString(
        registry, kClassesRoot, currentProgId + "\\DefaultIcon", keys::defaultValue);
    const std::string command = viewerCommand(shell);

    for (const std::string_view progId : {keys::ownProgId, keys::jpegProgId}) {
        const std::string base(progId);
        modReg::setRegString(registry, kClassesRoot, base, keys::defaultValue,
                             keys::friendlyTypeName);
        modReg::setRegString(registry, kClassesRoot, keys::joined(base, keys::openCommand),
                             keys::defaultValue, command);
        modReg::setRegString(registry, kClassesRoot, base + "\\shell", keys::defaultValue, "open");
        modReg::setRegString(registry, kClassesRoot, base + "\\DefaultIcon", keys::defaultValue,
                             icon);
    }
    shell.notifyAssociationChanged();
}

void associateMire(Registry& registry, Shell& shell) {
    associateOwnExtension(registry, shell, ".mire");
}

void associateMre(Registry& registry, Shell& shell) {
    associateOwnExtension(registry, shell, ".mre");
}

void unassociateMire(Registry& registry, Shell& shell) {
    unassociateOwnExtension(registry, shell, ".mire");
}

void unassociateMre(Registry& registry, Shell& shell) {
    unassociateOwnExtension(registry, shell, ".mre");
}

int16_t isAssociated(Registry& registry, std::string_view ext) {
    const std::string classRoot =
        modReg::queryRegString(registry, kClassesRoot, ext, keys::defaultValue);
    const std::string machine = modReg::queryRegString(
        registry, kLocalMachine, keys::machineClassKey(ext), keys::defaultValue);

    std::ptrdiff_t count = 0;
    // Exact on purpose: only these two spellings are judged as JPEG extensions.
    if (ext == ".jpg" || ext == ".jpeg") {
        const std::string fileExts = keys::fileExtsKey(ext);
        const std::array<std::string, 4> places = {
            classRoot, machine,
            modReg::queryRegString(registry, kCurrentUser, fileExts, keys::userProgIdValue),
            modReg::queryRegString(registry, kCurrentUser, fileExts, keys::userApplicationValue)};
        count = std::count_if(places.begin(), places.end(),
                              [](const std::string& value) { return keys::isForeign(value); });
    } else {
        // The viewer's own extensions must name its ProgID; an empty place counts.
        const std::array<std::string, 2> places = {classRoot, machine};
        count = std::count_if(places.begin(), places.end(), [](const std::string& value) {
            return base::upperCase(value) != keys::ownProgIdCompared;
        });
    }
    return count == 0 ? 1 : 0;
}

std::string userChoiceProgId(Registry& registry, std::string_view ext) {
    return modReg::queryRegString(registry, kCurrentUser, keys::userChoiceKey(ext),
                                  keys::userProgIdValue);
}

bool namesViewer(std::string_view progId) {
    const std::string upper = base::upperCase(progId);
    return upper == keys::ownProgIdCompared || upper == keys::jpegProgIdCompared ||
           upper == "APPLICATIONS\\" + base::upperCase(keys::viewerExecutable);
}

bool opensWithViewer(Registry& registry, std::string_view ext) {
    const std::string choice = userChoiceProgId(registry, ext);
    return choice.empty() ? isAssociated(registry, ext) == 1 : namesViewer(choice);
}

bool canGiveBack(Registry& registry, std::string_view ext) {
    for (const keys::JpegExtension& kind : {keys::jpeg, keys::jpg}) {
        if (ext == kind.ext)
            return !mdlINI::getMachineSetting(registry, kind.rootSection, keys::progIdKey).empty();
    }
    return true;
}

}  // namespace mdlFileAssoc

#include "assoc/assoc_fixture.h"

#include <algorithm>

#include "assoc/mdlFileAssoc.h"
#include "settings/mdlINI.h"

namespace assoctest {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;

namespace {

constexpr std::string_view machineClasses = "Software\\Classes\\";

std::string cat(std::string_view a, std::string_view b) { return std::string(a) + std::string(b); }

std::string classesKey(std::string_view name) { return cat(machineClasses, name); }

}  // namespace

void AssocTest::installStockJpegHandler() {
    for (const std::string_view ext : {".jpeg", ".jpg"}) {
        const std::string key = classesKey(ext);
        registry.putString(kLocalMachine, key, "", "jpegfile");
        registry.putString(kLocalMachine, key, "Content Type", "image/jpeg");
        registry.putString(kLocalMachine, key, "PerceivedType", "image");
    }
    registry.putString(kLocalMachine, classesKey("jpegfile"), "", "JPEG Image");
    registry.putString(kLocalMachine, classesKey("jpegfile\\DefaultIcon"), "",
                       "C:\\Windows\\System32\\imageres.dll,-72");
    registry.putString(kLocalMachine, classesKey("jpegfile\\shell\\open\\command"), "",
                       photoViewerCommand);
}

void AssocTest::installUserChoice() {
    registry.putString(kCurrentUser, fileExtsJpeg, "Progid", "PhotoStudio.Jpeg");
    registry.putString(kCurrentUser, fileExtsJpeg, "Application", "mspaint.exe");
    registry.putString(kLocalMachine, classesKey("PhotoStudio.Jpeg\\Shell\\Open\\Command"), "",
                       studioCommand);
    registry.putString(kLocalMachine, classesKey("Applications\\mspaint.exe\\shell\\open\\command"),
                       "", paintCommand);
}

void AssocTest::runInstall() {
    mdlFileAssoc::registerProgIds(registry, shell);
    mdlFileAssoc::associateMire(registry, shell);
    mdlFileAssoc::associateJpeg(registry, files, shell);
}

void AssocTest::runUninstall() {
    if (mdlFileAssoc::isAssociated(registry, ".mre") > 0)
        mdlFileAssoc::unassociateMre(registry, shell);
    if (mdlFileAssoc::isAssociated(registry, ".mire") > 0)
        mdlFileAssoc::unassociateMire(registry, shell);
    if (mdlFileAssoc::isAssociated(registry, ".jpeg") > 0)
        mdlFileAssoc::unassociateJpeg(registry, shell);
    if (mdlFileAssoc::isAssociated(registry, ".jpg") > 0)
        mdlFileAssoc::unassociateJpg(registry, shell);
}

std::string AssocTest::text(platform::RegKey root, std::string_view path,
                            std::string_view name) const {
    const auto value = registry.value(root, path, name);
    if (!value) return "<missing>";
    if (value->type != platform::kRegSz) return "<type " + std::to_string(value->type) + ">";
    const auto nul = std::find(value->data.begin(), value->data.end(), uint8_t{0});
    return std::string(value->data.begin(), nul);
}

std::string AssocTest::record(std::string_view section, std::string_view key) {
    return mdlINI::getMachineSetting(registry, section, key);
}

std::map<std::string, std::string> AssocTest::records() {
    std::map<std::string, std::string> result;
    for (const std::string_view ext : {"JPEG", "JPG"}) {
        for (const std::string_view place : {"_HKROOT", "_HKCURR", "_HKLOCAL"}) {
            const std::string section = cat(ext, place);
            for (const std::string_view key : {"PROG_ID", "PROG_SHELL", "APP_ID", "APP_SHELL"})
                result[cat(section + "/", key)] = record(section, key);
        }
    }
    return result;
}

std::map<std::string, std::string> AssocTest::snapshot() {
    std::map<std::string, std::string> result = records();
    const auto add = [&](platform::RegKey root, std::string_view rootName, std::string_view path,
                         std::initializer_list<std::string_view> names) {
        const std::string prefix = cat(cat(rootName, "\\"), path);
        result[prefix] = registry.keyExists(root, path) ? "<key>" : "<no key>";
        for (const std::string_view name : names)
            result[cat(prefix + "@", name)] = text(root, path, name);
    };
    for (const std::string_view ext : {".jpeg", ".jpg", ".mire", ".mre"}) {
        add(kClassesRoot, "HKCR", ext, {"", "Content Type", "PerceivedType"});
        add(kLocalMachine, "HKLM", classesKey(ext), {"", "Content Type", "PerceivedType"});
        add(kCurrentUser, "HKCU", classesKey(ext), {""});
    }
    for (const std::string_view key : {fileExtsJpeg, fileExtsJpg})
        add(kCurrentUser, "HKCU", key, {"Progid", "Application"});
    return result;
}

}  // namespace assoctest

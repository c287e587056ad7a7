// Handing a file to the program that opened its kind before the take-over.

#include "assoc/assoc_keys.h"
#include "assoc/mdlFileAssoc.h"
#include "base/text.h"
#include "platform/mdlGen.h"
#include "settings/mdlINI.h"
#include "settings/modReg.h"

namespace mdlFileAssoc {

namespace {

constexpr std::string_view placeholder = "%1";
constexpr std::string_view quotedPlaceholder = "\"%1\"";

// The running executable's name without folder and extension, with ".exe".
std::string ownExecutableName(platform::Shell& shell) {
    const std::string name = mdlGen::getFileName(shell.executablePath());
    const size_t dot = name.rfind('.');
    return name.substr(0, dot) + ".exe";
}

// The record's name for the extension of `path`: ".jpg" gives "JPG".
std::string recordName(std::string_view path) {
    std::string name = base::upperCase(mdlGen::getExtension(path));
    if (name.size() > 2) name.erase(0, 1);
    return name;
}

// The length of the quoted program path a command starts with ("" included),
// or 0 when it starts otherwise or its quotes hold the placeholder.
size_t quotedProgramLength(std::string_view command) {
    if (command.empty() || command.front() != '"') return 0;
    const size_t closing = command.find('"', 1);
    if (closing == std::string_view::npos) return 0;
    const std::string_view program = command.substr(0, closing + 1);
    return keys::containsText(program, placeholder) ? 0 : program.size();
}

}  // namespace

std::string findPreviousHandler(platform::Registry& registry, platform::Shell& shell,
                                std::string_view path) {
    const std::string name = recordName(path);
    std::string command;
    // The user's own choice first, then the machine's, then the merged view.
    for (const std::string_view place : {"_HKCURR", "_HKLOCAL", "_HKROOT"}) {
        command = base::trimBlanks(
            mdlINI::getMachineSetting(registry, keys::joined(name, place), keys::progShellKey));
        if (!command.empty()) break;
    }
    // Handing the file to this program would only start it again.
    if (keys::containsText(base::upperCase(command), base::upperCase(ownExecutableName(shell)))) {
        return {};
    }
    return command;
}

std::string findPreviousProgId(platform::Registry& registry, platform::Shell& shell,
                               std::string_view path) {
    const std::string name = recordName(path);
    const std::string ownName = base::upperCase(ownExecutableName(shell));
    for (const std::string_view place : {"_HKCURR", "_HKLOCAL", "_HKROOT"}) {
        const std::string section = keys::joined(name, place);
        std::string progId =
            base::trimBlanks(mdlINI::getMachineSetting(registry, section, keys::progIdKey));
        const std::string command =
            base::trimBlanks(mdlINI::getMachineSetting(registry, section, keys::progShellKey));
        // A record with a command is the command's (also one that starts us).
        if (!command.empty()) return {};
        if (progId.empty()) continue;
        // Our own ProgIDs, or one whose command starts us, would only bring
        // the file back here.
        const std::string compared = base::upperCase(progId);
        const std::string itsCommand = base::upperCase(modReg::queryRegString(
            registry, platform::kClassesRoot, progId + "\\shell\\open\\command", ""));
        if (compared == base::upperCase(keys::ownProgId) ||
            compared == base::upperCase(keys::jpegProgId) ||
            keys::containsText(itsCommand, ownName)) {
            return {};
        }
        return progId;
    }
    return {};
}

std::string getShellString(std::string_view sComm, std::string_view sFile) {
    // The program's path keeps its quotes: without them the process start
    // tries "C:\Program.exe" first for "C:\Program Files\...", and a program
    // planted there would run instead.
    const size_t programLength = quotedProgramLength(sComm);
    std::string line(sComm.substr(0, programLength));
    const std::string_view rest = sComm.substr(programLength);

    // RUNDLL32 takes everything after the entry point as the file, unquoted.
    if (keys::containsText(base::upperCase(sComm), "RUNDLL32"))
        return line + keys::replaceAll(base::withoutQuotes(rest), placeholder, sFile);

    // A path with blanks must reach the program as one argument, as the
    // shell passes it: quoted where the command leaves it bare, and quoted
    // when appended.
    const bool hasBlanks = sFile.find_first_of(" \t") != std::string_view::npos;
    size_t at = rest.find(quotedPlaceholder);
    const bool placeholderQuoted = at != std::string_view::npos;
    if (!placeholderQuoted) at = rest.find(placeholder);
    if (at == std::string_view::npos) {
        return line + base::withoutQuotes(rest) + " \"" + std::string(sFile) + "\"";
    }
    const bool quoted = placeholderQuoted || hasBlanks;

    // Only the first placeholder is filled in; whatever follows it stays as saved.
    const std::string_view tail =
        rest.substr(at + (placeholderQuoted ? quotedPlaceholder : placeholder).size());
    line += base::withoutQuotes(rest.substr(0, at));
    if (quoted) line += '"';
    line += sFile;
    if (quoted) line += '"';
    line += tail;
    return line;
}

}  // namespace mdlFileAssoc

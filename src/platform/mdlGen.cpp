#include "platform/mdlGen.h"

#include "base/text.h"

namespace mdlGen {

bool fileExists(platform::Files& files, std::string_view path) { return files.exists(path); }

std::string getFileName(std::string_view path) {
    const std::string plain = base::withoutQuotes(path);
    const size_t slash = plain.rfind('\\');
    return slash == std::string::npos ? plain : plain.substr(slash + 1);
}

std::string getFolder(std::string_view path) {
    const std::string plain = base::withoutQuotes(path);
    if (plain.size() < 4) return {};
    const size_t slash = plain.rfind('\\');
    return slash == std::string::npos ? std::string() : plain.substr(0, slash + 1);
}

bool isFullPath(std::string_view path) {
    const auto isSeparator = [&path](size_t i) {
        return i < path.size() && (path[i] == '\\' || path[i] == '/');
    };
    const bool driveLetter =
        path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return (driveLetter && isSeparator(2)) || (isSeparator(0) && isSeparator(1));
}

std::string getExtension(std::string_view path) {
    const size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string withoutTrailingBackslash(std::string_view folder) {
    if (folder.size() <= 3 || folder.back() != '\\') return std::string(folder);
    return std::string(folder.substr(0, folder.size() - 1));
}

}  // namespace mdlGen

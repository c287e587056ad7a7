#include "nav/mdlGen.h"

#include <algorithm>

namespace mdlGen {

bool fileExists(platform::Files& files, std::string_view path) { return files.exists(path); }

std::string withoutQuotes(std::string_view text) {
    std::string result(text);
    std::erase(result, '"');
    return result;
}

std::string upperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string getFileName(std::string_view path) {
    const std::string plain = withoutQuotes(path);
    const size_t slash = plain.rfind('\\');
    return slash == std::string::npos ? plain : plain.substr(slash + 1);
}

std::string getFolder(std::string_view path) {
    const std::string plain = withoutQuotes(path);
    if (plain.size() < 4) return {};
    const size_t slash = plain.rfind('\\');
    return slash == std::string::npos ? std::string() : plain.substr(0, slash + 1);
}

std::string getExtension(std::string_view path) {
    const size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

}  // namespace mdlGen

#include "support/local_files.h"

#include <fnmatch.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/app_error.h"

namespace testsupport {

namespace fs = std::filesystem;
using base::AppError;
namespace error_number = base::error_number;

namespace {

std::vector<std::string> splitPatterns(std::string_view patterns) {
    std::vector<std::string> result;
    size_t start = 0;
    while (start <= patterns.size()) {
        const size_t end = std::min(patterns.find(';', start), patterns.size());
        if (end > start) result.emplace_back(patterns.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

bool matches(const std::string& pattern, const std::string& name) {
    return fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
}

}  // namespace

std::string LocalFiles::normalise(std::string_view path) {
    std::string native;
    for (char c : path) {
        const char mapped = c == '\\' ? '/' : c;
        if (mapped == '/' && !native.empty() && native.back() == '/') continue;
        native += mapped;
    }
    return native;
}

bool LocalFiles::isNormalFile(const std::string& nativePath) const {
    std::error_code ec;
    return fs::is_regular_file(nativePath, ec) && !hidden_.count(nativePath);
}

void LocalFiles::checkUnlocked(const std::string& nativePath) const {
    if (locked_.count(nativePath))
        throw AppError(error_number::permissionDenied, "Permission denied");
}

bool LocalFiles::exists(std::string_view path) {
    const std::string native = normalise(path);
    const fs::path asPath(native);
    const std::string name = asPath.filename().string();
    if (name.find_first_of("*?") == std::string::npos) return isNormalFile(native);

    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(asPath.parent_path(), ec)) {
        if (matches(name, entry.path().filename().string()) &&
            isNormalFile(entry.path().string())) {
            return true;
        }
    }
    return false;
}

bool LocalFiles::anyEntry(std::string_view path) {
    // A folder path ending in a separator searches the folder's entries; an
    // existing folder always has some (as "." is found on Windows).
    std::error_code ec;
    return fs::exists(normalise(path), ec);
}

void LocalFiles::copy(std::string_view from, std::string_view to) {
    const std::string source = normalise(from);
    const std::string target = normalise(to);
    if (!fs::exists(source)) throw AppError(error_number::fileNotFound, "File not found");
    checkUnlocked(source);
    checkUnlocked(target);
    std::error_code ec;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    if (ec == std::errc::no_such_file_or_directory) {
        throw AppError(error_number::pathNotFound, "Path not found");
    }
    if (ec) throw AppError(error_number::pathFileAccess, "Path/File access error");
}

void LocalFiles::remove(std::string_view path) {
    const std::string native = normalise(path);
    if (!fs::is_regular_file(native)) throw AppError(error_number::fileNotFound, "File not found");
    checkUnlocked(native);
    std::error_code ec;
    if (!fs::remove(native, ec))
        throw AppError(error_number::pathFileAccess, "Path/File access error");
}

void LocalFiles::createEmpty(std::string_view path) {
    const std::string native = normalise(path);
    checkUnlocked(native);
    const fs::path folder = fs::path(native).parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        throw AppError(error_number::pathNotFound, "Path not found");
    }
    std::ofstream file(native, std::ios::binary | std::ios::trunc);
    if (!file) throw AppError(error_number::pathFileAccess, "Path/File access error");
}

std::string LocalFiles::createUnique(std::string_view folder, std::string_view suffix) {
    for (int count = 1; count <= 100; ++count) {
        std::string name = "probe-" + std::to_string(count) + std::string(suffix);
        // "x" makes the file new or fails, as CREATE_NEW.
        if (std::FILE* file = std::fopen(normalise(std::string(folder) + name).c_str(), "wx")) {
            std::fclose(file);
            return name;
        }
    }
    throw AppError(error_number::pathNotFound, "Path not found");
}

std::string LocalFiles::fullPath(std::string_view path) {
    if (path.empty() || path.front() == '/' || path.front() == '\\') return std::string(path);
    const std::string joined = currentFolder_ + "\\" + std::string(path);
    std::vector<std::string> kept;
    size_t start = 0;
    while (start <= joined.size()) {
        const size_t end = std::min(joined.find_first_of("\\/", start), joined.size());
        const std::string part = joined.substr(start, end - start);
        if (part == "..") {
            if (!kept.empty()) kept.pop_back();
        } else if (!part.empty() && part != ".") {
            kept.push_back(part);
        }
        start = end + 1;
    }
    std::string full;
    for (const std::string& part : kept) full += "\\" + part;
    return full;
}

std::vector<std::string> LocalFiles::list(std::string_view folder, std::string_view patterns) {
    ++listCalls_;
    std::vector<std::string> names;
    const std::vector<std::string> wanted = splitPatterns(patterns);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(normalise(folder), ec)) {
        const std::string name = entry.path().filename().string();
        if (!isNormalFile(entry.path().string())) continue;
        for (const std::string& pattern : wanted) {
            if (matches(pattern, name)) {
                names.push_back(name);
                break;
            }
        }
    }
    return names;
}

std::optional<platform::FileStamp> LocalFiles::stamp(std::string_view path) {
    const std::string native = normalise(path);
    if (!isNormalFile(native)) return std::nullopt;
    std::error_code sizeError;
    std::error_code timeError;
    const auto size = fs::file_size(native, sizeError);
    const auto written = fs::last_write_time(native, timeError);
    if (sizeError || timeError) return std::nullopt;
    return platform::FileStamp{size, static_cast<int64_t>(written.time_since_epoch().count())};
}

}  // namespace testsupport

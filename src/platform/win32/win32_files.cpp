#include "platform/win32/win32_files.h"

#include <windows.h>

#include <array>
#include <string>
#include <unordered_set>

#include "platform/win32/file_error.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

namespace platform {
namespace {

constexpr DWORD kNotNormal =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Runs a directory search for `pattern` and calls `visit` with every normal file
// it finds, until `visit` returns false.
template <typename Visit>
void forEachNormalFile(const std::wstring& pattern, Visit&& visit) {
    WIN32_FIND_DATAW entry{};
    const win32::ScopedFindHandle search(FindFirstFileW(pattern.c_str(), &entry));
    if (!search) return;
    do {
        if ((entry.dwFileAttributes & kNotNormal) == 0 && !visit(entry)) return;
    } while (FindNextFileW(search.get(), &entry) != FALSE);
}

[[noreturn]] void throwLastError() { throw win32::fileError(GetLastError()); }

}  // namespace

bool Win32Files::exists(std::string_view path) {
    bool found = false;
    forEachNormalFile(win32::utf8ToWide(path), [&found](const WIN32_FIND_DATAW&) {
        found = true;
        return false;
    });
    return found;
}

bool Win32Files::anyEntry(std::string_view path) {
    // A folder path ending in a backslash searches the folder's entries.
    std::wstring pattern = win32::utf8ToWide(path);
    if (!pattern.empty() && pattern.back() == L'\\') pattern += L'*';
    WIN32_FIND_DATAW entry{};
    const win32::ScopedFindHandle search(FindFirstFileW(pattern.c_str(), &entry));
    return static_cast<bool>(search);
}

void Win32Files::copy(std::string_view from, std::string_view to) {
    if (CopyFileW(win32::utf8ToWide(from).c_str(), win32::utf8ToWide(to).c_str(), FALSE) == FALSE) {
        throwLastError();
    }
}

void Win32Files::remove(std::string_view path) {
    if (DeleteFileW(win32::utf8ToWide(path).c_str()) == FALSE) throwLastError();
}

void Win32Files::createEmpty(std::string_view path) {
    const win32::ScopedFileHandle file(CreateFileW(win32::utf8ToWide(path).c_str(), GENERIC_WRITE,
                                                   FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throwLastError();
}

std::string Win32Files::createUnique(std::string_view folder, std::string_view suffix) {
    // The process id keeps viewers apart; a name already taken (a file or
    // folder of the user's, or a probe left behind) moves on to the next count.
    constexpr int tries = 100;
    const std::wstring wideFolder = win32::utf8ToWide(folder);
    const std::string stem = "ts" + std::to_string(GetCurrentProcessId()) + "-";
    DWORD error = ERROR_FILE_EXISTS;
    for (int count = 1; count <= tries; ++count) {
        std::string name = stem + std::to_string(count) + std::string(suffix);
        const std::wstring path = wideFolder + win32::utf8ToWide(name);
        const win32::ScopedFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return name;
        error = GetLastError();
        // A folder of that name may be refused as access denied, not as existing.
        const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                           GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (!taken) break;
    }
    throw win32::fileError(error);
}

std::string Win32Files::tempFolder() {
    // The W-call: the A-call turns a user name outside the ANSI code page into '?'.
    std::array<wchar_t, MAX_PATH> buffer{};
    GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    const std::wstring_view whole(buffer.data(), buffer.size());
    return win32::wideToUtf8(whole.substr(0, whole.find(L'\0')));
}

std::string Win32Files::fullPath(std::string_view path) {
    const std::wstring wide = win32::utf8ToWide(path);
    // The first call gives the size the result needs, its NUL included; the
    // current folder may change between the calls, so the second is checked.
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::string(path);
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return std::string(path);
    full.resize(length);
    return win32::wideToUtf8(full);
}

std::vector<std::string> Win32Files::list(std::string_view folder, std::string_view patterns) {
    const std::wstring prefix = win32::utf8ToWide(folder) + L'\\';
    std::vector<std::string> names;
    std::unordered_set<std::wstring> seen;
    while (!patterns.empty()) {
        const size_t end = patterns.find(';');
        const std::string_view pattern = patterns.substr(0, end);
        patterns.remove_prefix(end == std::string_view::npos ? patterns.size() : end + 1);
        if (pattern.empty()) continue;
        forEachNormalFile(prefix + win32::utf8ToWide(pattern),
                          [&names, &seen](const WIN32_FIND_DATAW& entry) {
                              if (seen.emplace(entry.cFileName).second) {
                                  names.push_back(win32::wideToUtf8(entry.cFileName));
                              }
                              return true;
                          });
    }
    return names;
}

std::optional<FileStamp> Win32Files::stamp(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(win32::utf8ToWide(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    stamp.lastWrite = static_cast<int64_t>((uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                           data.ftLastWriteTime.dwLowDateTime);
    return stamp;
}

}  // namespace platform

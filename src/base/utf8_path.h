#pragma once
// File system paths from the program's UTF-8 paths. Header-only, so the IPTC
// reader, a library of its own, uses it without linking anything.

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// The path `utf8Path` names; none when it can name no file (empty, holding a
// NUL, or not UTF-8). Built from char8_t, so on Windows the name is wide and
// names outside the ANSI code page open too. The program's paths are Windows
// paths: where the system separates folders with '/' (native tests and tools),
// a backslash separates them too.
inline std::optional<std::filesystem::path> pathFromUtf8(std::string_view utf8Path) {
    if (utf8Path.empty() || utf8Path.find('\0') != std::string_view::npos) return std::nullopt;
    std::u8string u8(reinterpret_cast<const char8_t*>(utf8Path.data()), utf8Path.size());
    if constexpr (std::filesystem::path::preferred_separator == '/') {
        std::ranges::replace(u8, u8'\\', u8'/');
    }
    try {
        return std::filesystem::path(u8);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace base

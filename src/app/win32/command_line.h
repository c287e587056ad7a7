#pragma once
// The argument text of a process: its command line after the program's name,
// as Windows splits it off for WinMain.

#include <string_view>

namespace app {

// The program's name runs to the closing double quote when it starts with one,
// else to the first blank; the blanks after it are skipped, and the rest is
// kept exactly, quotes, inner and trailing blanks and all.
constexpr std::wstring_view argumentText(std::wstring_view commandLine) {
    // Blanks as the C runtime counts them: spaces, tabs and other controls.
    constexpr auto isBlank = [](wchar_t c) { return c != L'\0' && c <= L' '; };
    size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const size_t closing = commandLine.find(L'"', 1);
        at = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (at < commandLine.size() && commandLine[at] > L' ') ++at;
    }
    while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
    return commandLine.substr(at);
}

}  // namespace app

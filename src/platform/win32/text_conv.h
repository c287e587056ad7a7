#pragma once
// Text at the Win32 boundary. The program's text is UTF-8; file names go to the
// W calls as UTF-16, and the A calls the program makes (registry, shell) take
// the ANSI code page.
//
// Every conversion takes and gives explicit lengths, so embedded NULs pass
// through unchanged. A character the ANSI code page cannot hold becomes the
// code page's default character ('?'); malformed UTF-8 becomes U+FFFD.
// Throws std::length_error for text longer than the Win32 calls accept (2 GB).

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring utf8ToWide(std::string_view utf8);
std::string wideToUtf8(std::wstring_view wide);

std::string utf8ToAnsi(std::string_view utf8);
std::string ansiToUtf8(std::string_view ansi);

}  // namespace platform::win32

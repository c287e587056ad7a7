#include "platform/win32/text_conv.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace platform::win32 {
namespace {

int checkedLength(size_t length) {
    if (length > static_cast<size_t>(INT_MAX)) throw std::length_error("text too long to convert");
    return static_cast<int>(length);
}

std::wstring toWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int length = checkedLength(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    const int written = MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    wide.resize(static_cast<size_t>(written > 0 ? written : 0));
    return wide;
}

std::string fromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = checkedLength(wide.size());
    const int needed =
        WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string text(static_cast<size_t>(needed), '\0');
    const int written = WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), needed,
                                            nullptr, nullptr);
    text.resize(static_cast<size_t>(written > 0 ? written : 0));
    return text;
}

// With a UTF-8 ANSI code page (the manifest asks for one) there is nothing to do.
bool ansiIsUtf8() { return GetACP() == CP_UTF8; }

}  // namespace

std::wstring utf8ToWide(std::string_view utf8) { return toWide(CP_UTF8, utf8); }

std::string wideToUtf8(std::wstring_view wide) { return fromWide(CP_UTF8, wide); }

std::string utf8ToAnsi(std::string_view utf8) {
    if (ansiIsUtf8()) return std::string(utf8);
    return fromWide(CP_ACP, toWide(CP_UTF8, utf8));
}

std::string ansiToUtf8(std::string_view ansi) {
    if (ansiIsUtf8()) return std::string(ansi);
    return fromWide(CP_UTF8, toWide(CP_ACP, ansi));
}

}  // namespace platform::win32

// The upper-case table file names are compared by, against the one the
// system's file name comparisons use.
#include "base/name_case.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/text_conv.h"

namespace {

using platform::win32::wideToUtf8;

TEST(NameCaseWin32, EveryCharacterOfTheBasicPlaneUpperCasesAsTheSystemDoes) {
    using UpcaseChar = WCHAR(WINAPI*)(WCHAR);
    // ntdll exports it without a header of the SDK's declaring it.
    const auto upcase = reinterpret_cast<UpcaseChar>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlUpcaseUnicodeChar")));
    ASSERT_NE(upcase, nullptr);
    int mismatches = 0;
    for (unsigned code = 1; code <= 0xFFFF && mismatches < 10; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;  // halves of surrogate pairs
        const auto unit = static_cast<wchar_t>(code);
        const wchar_t capital = upcase(unit);
        const std::string ours = base::upperCaseName(wideToUtf8(std::wstring_view(&unit, 1)));
        if (ours != wideToUtf8(std::wstring_view(&capital, 1))) {
            ++mismatches;
            ADD_FAILURE() << "U+" << std::hex << code << ": the system's capital is U+"
                          << static_cast<unsigned>(capital);
        }
    }
}

}  // namespace

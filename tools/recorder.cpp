// recorder: a stand-in for another program in end-to-end tests. It writes the
// command line it was started with, as UTF-8, to the file named by the
// environment variable TS_RECORDER_OUT, and ends.

#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
    const wchar_t* commandLine = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) {
        WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, utf8.data(), size, nullptr, nullptr);
    }
    const wchar_t* out = _wgetenv(L"TS_RECORDER_OUT");
    if (!out) return 2;
    FILE* file = _wfopen(out, L"wb");
    if (!file) return 3;
    std::fwrite(utf8.data(), 1, utf8.size(), file);
    std::fclose(file);
    return 0;
}

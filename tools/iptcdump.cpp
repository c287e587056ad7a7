// iptcdump: prints the three IPTC fields the viewer reads, one file a line:
//   path<TAB>By-line<TAB>By-line Title<TAB>Source
// or, for a file that cannot be read, path<TAB>ERROR<TAB>message. Output is
// UTF-8; in values, tab, newline, CR and backslash are written as \t \n \r \\.
// The path is printed as given, with only tab, newline and CR escaped (a
// Windows path cannot hold them) so that each file stays one line.
// Exit status: 0 when every file was read, 1 when one failed, 2 without paths.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "iptc/iptc_reader.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs
#endif

namespace {

enum class Backslash { escape, keep };

std::string escaped(std::string_view text, Backslash backslash = Backslash::escape) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\\' && backslash == Backslash::keep) {
            out += c;
            continue;
        }
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

#ifdef _WIN32
std::string toUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the terminating NUL
    return out;
}

// The narrow argv is in the ANSI code page and loses what it cannot hold; the
// wide command line has every name exactly.
std::vector<std::string> argumentsAsUtf8(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    if (!wide) return out;
    for (int i = 1; i < count; ++i) out.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return out;
}
#else
std::vector<std::string> argumentsAsUtf8(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

void writeLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// Prints the line for one file; false when it could not be read.
bool dump(const std::string& path) {
    iptc::IptcReader reader;
    const iptc::Status status = reader.LoadFile(path);
    if (!status.ok()) {
        writeLine(escaped(path, Backslash::keep) + "\tERROR\t" + escaped(status.description));
        return false;
    }
    std::string byLine, byLineTitle, source;
    reader.ByLine(byLine);
    reader.ByLineTitle(byLineTitle);
    reader.Source(source);
    writeLine(escaped(path, Backslash::keep) + '\t' + escaped(byLine) + '\t' +
              escaped(byLineTitle) + '\t' + escaped(source));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // UTF-8 bytes as they are: no CR added before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> paths = argumentsAsUtf8(argc, argv);
    if (paths.empty()) {
        std::fputs("usage: iptcdump FILE...\n", stderr);
        return 2;
    }
    bool allRead = true;
    for (const std::string& path : paths) allRead = dump(path) && allRead;
    return allRead ? 0 : 1;
}

#include "net/mdlNet.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "base/app_error.h"

namespace mdlNet {

std::string browserPath;

namespace {

// The shell's lookup found a program when its result is at least this.
constexpr int32_t foundAtLeast = 32;

constexpr std::string_view probeName = "dummy.html";

struct BrowserOptions {
    std::string_view executable;
    std::string_view options;
};
constexpr std::array<BrowserOptions, 3> knownBrowsers = {{
    {"iexplore.exe", " -nohome "},
    {"netscape.exe", " "},
    {"netscp.exe", " -url "},
}};
constexpr std::string_view defaultOptions = " ";

// Deletes the probe file when the search is over, whatever happened; a probe
// that cannot be deleted is left behind rather than failing the search.
class ProbeFile {
public:
    ProbeFile(platform::Files& files, std::string path) : files_(files), path_(std::move(path)) {
        try {
            files_.createEmpty(path_);
        } catch (const base::AppError&) {
            // Without the probe the lookup fails, and that is the answer.
        }
    }
    ~ProbeFile() {
        try {
            files_.remove(path_);
        } catch (const base::AppError&) {
        }
    }
    ProbeFile(const ProbeFile&) = delete;
    ProbeFile& operator=(const ProbeFile&) = delete;

private:
    platform::Files& files_;
    std::string path_;
};

int32_t toResultCode(intptr_t result) {
    // A 64-bit handle-sized answer must not wrap into the failure range.
    return static_cast<int32_t>(std::clamp<intptr_t>(result, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

}  // namespace

std::string getTempFolder(platform::Files& files) { return files.tempFolder(); }

bool openBrowser(platform::Files& files, platform::Shell& shell, std::string_view address) {
    int32_t resultCode = foundAtLeast;
    if (browserPath.empty()) browserPath = findBrowser(files, shell, resultCode);
    if (resultCode < foundAtLeast) return false;
    const std::string commandLine = getBrowserOptions(browserPath) + browserArgument(address);
    return shell.startMaximized(browserPath, commandLine);
}

std::string findBrowser(platform::Files& files, platform::Shell& shell, int32_t& resultCode) {
    const std::string folder = getTempFolder(files);
    const ProbeFile probe(files, folder + std::string(probeName));
    const platform::ExecutableSearch search = shell.findExecutable(probeName, folder);
    resultCode = toResultCode(search.resultCode);
    return trimAtNul(search.buffer);
}

std::string getBrowserOptions(std::string_view executablePath) {
    std::string lower(executablePath);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    for (const BrowserOptions& browser : knownBrowsers) {
        if (lower.find(browser.executable) != std::string::npos) {
            return std::string(browser.options);
        }
    }
    return std::string(defaultOptions);
}

// The address comes from a file's IPTC record, which anyone can write. Left as
// it is, a space, tab or quote in it would split it into several arguments and
// let a crafted page image pass options of its own to the browser; a leading
// '-' or '/' reads as an option even in one argument. Percent-encoding those
// keeps a normal address unchanged and still opens the same page.
std::string browserArgument(std::string_view address) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string argument;
    argument.reserve(address.size());
    for (size_t i = 0; i < address.size(); ++i) {
        const auto byte = static_cast<unsigned char>(address[i]);
        const bool breaksArgument = byte < 0x20 || byte == 0x7F || byte == ' ' || byte == '"';
        const bool readsAsOption = i == 0 && (byte == '-' || byte == '/');
        if (breaksArgument || readsAsOption) {
            argument += '%';
            argument += hex[byte >> 4];
            argument += hex[byte & 0x0F];
        } else {
            argument += static_cast<char>(byte);
        }
    }
    return argument;
}

std::string trimAtNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

}  // namespace mdlNet

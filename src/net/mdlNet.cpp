#include "net/mdlNet.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "base/app_error.h"
#include "base/text.h"

namespace mdlNet {

std::string browserPath;

namespace {

// The shell's lookup found a program when its result is at least this.
constexpr int32_t foundAtLeast = 32;

// The shell finds the browser by the probe's ending; the rest of its name is
// whatever no file in the temporary folder has yet.
constexpr std::string_view probeSuffix = ".html";
// What the lookup answers for a file that is not there.
constexpr int32_t fileNotFound = 2;
// The most a new process's command line holds, in UTF-16 units, the closing
// NUL included; the browser's path is counted with it.
constexpr size_t commandLineLimit = 32767;

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

// An empty ".html" file of this search's own in `folder`, deleted when the
// search is over, whatever happened. It never replaces a file of the user's or
// of another viewer searching at the same time. One that cannot be deleted is
// left behind rather than failing the search.
class ProbeFile {
public:
    ProbeFile(platform::Files& files, std::string folder)
        : files_(files), folder_(std::move(folder)) {
        try {
            name_ = files_.createUnique(folder_, probeSuffix);
        } catch (const base::AppError&) {
            // Without the probe the lookup fails, and that is the answer.
        }
    }
    ~ProbeFile() {
        if (name_.empty()) return;
        try {
            files_.remove(folder_ + name_);
        } catch (const base::AppError&) {
        }
    }
    ProbeFile(const ProbeFile&) = delete;
    ProbeFile& operator=(const ProbeFile&) = delete;

    // The file's name without its folder; empty when none could be made.
    const std::string& name() const { return name_; }

private:
    platform::Files& files_;
    std::string folder_;
    std::string name_;
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
    // Windows would start the browser on the address cut short: another page.
    if (base::utf16Length(browserPath) + base::utf16Length(commandLine) + 1 > commandLineLimit) {
        return false;
    }
    return shell.startMaximized(browserPath, commandLine);
}

std::string findBrowser(platform::Files& files, platform::Shell& shell, int32_t& resultCode) {
    const std::string folder = getTempFolder(files);
    const ProbeFile probe(files, folder);
    if (probe.name().empty()) {
        resultCode = fileNotFound;
        return {};
    }
    const platform::ExecutableSearch search = shell.findExecutable(probe.name(), folder);
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
// '-' or '/' reads as an option even in one argument. Percent-encoding those,
// and the bidirectional controls that make an address look like another,
// keeps a normal address unchanged and still opens the same page.
std::string browserArgument(std::string_view address) {
    const std::string shown = base::withBidiControlsEncoded(address);
    std::string argument;
    argument.reserve(shown.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        const auto byte = static_cast<unsigned char>(shown[i]);
        const bool breaksArgument = byte < 0x20 || byte == 0x7F || byte == ' ' || byte == '"';
        const bool readsAsOption = i == 0 && (byte == '-' || byte == '/');
        if (breaksArgument || readsAsOption) {
            base::appendPercentEncoded(argument, byte);
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

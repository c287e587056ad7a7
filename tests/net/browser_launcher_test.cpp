// Finding the browser and opening an address in it, through the doubles.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "net/mdlNet.h"
#include "support/fake_platform.h"

namespace {

namespace fs = std::filesystem;
using testsupport::FakePlatform;

// What FindExecutable leaves: the path, a NUL, and the rest of the spaces.
platform::ExecutableSearch found(const std::string& path, intptr_t resultCode = 42) {
    std::string buffer = path + '\0';
    buffer.resize(260, ' ');
    return {resultCode, buffer};
}

// Notes whether the probe file was there when the shell looked it up.
class ProbeCheckingShell : public testsupport::RecordingShell {
public:
    platform::ExecutableSearch findExecutable(std::string_view file,
                                              std::string_view directory) override {
        probeSeen = fs::exists(testsupport::LocalFiles::normalise(std::string(directory)) +
                               std::string(file));
        return RecordingShell::findExecutable(file, directory);
    }
    bool probeSeen = false;
};

class BrowserLauncherTest : public ::testing::Test {
protected:
    void SetUp() override { mdlNet::browserPath.clear(); }
    void TearDown() override { mdlNet::browserPath.clear(); }

    bool open(std::string_view address) { return mdlNet::openBrowser(fake.files, shell, address); }
    fs::path userFile() const { return fake.root.path() / "temp" / "dummy.html"; }
    bool tempFolderIsEmpty() const { return fs::is_empty(fake.root.path() / "temp"); }
    std::vector<std::string> commandLines() const {
        std::vector<std::string> lines;
        for (const auto& start : shell.maximizedStarts) lines.push_back(start.commandLine);
        return lines;
    }

    FakePlatform fake;
    ProbeCheckingShell shell;
};

TEST(BrowserOptionsTest, ChosenByTheLowerCasedExecutableNameFirstMatchWinning) {
    const struct {
        const char* path;
        const char* options;
    } cases[] = {
        {"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", " -nohome "},
        {"C:\\Netscape\\Program\\NETSCAPE.EXE", " "},
        {"C:\\Netscape\\Netscp.exe", " -url "},
        {"C:\\netscp.exe\\iexplore.exe", " -nohome "},
        {"C:\\Browsers\\web.exe", " "},
        {"", " "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mdlNet::getBrowserOptions(c.path), c.options) << c.path;
    }
}

TEST_F(BrowserLauncherTest, CommandLineIsTheOptionsFollowedByTheAddress) {
    const struct {
        const char* browser;
        const char* address;
        const char* commandLine;
    } cases[] = {
        {"C:\\Browsers\\web.exe", "x", " x"},
        {"C:\\IE\\IEXPLORE.EXE", "http://a.org/", " -nohome http://a.org/"},
    };
    for (const auto& c : cases) {
        mdlNet::browserPath.clear();
        shell.executableSearch = found(c.browser);
        EXPECT_TRUE(open(c.address));
        ASSERT_FALSE(shell.maximizedStarts.empty());
        EXPECT_EQ(shell.maximizedStarts.back().application, c.browser);
        EXPECT_EQ(shell.maximizedStarts.back().commandLine, c.commandLine);
    }
}

TEST_F(BrowserLauncherTest, SearchesWithAProbeInTheTempFolderOnceAndLeavesNoProbe) {
    shell.executableSearch = found("C:\\Browsers\\web.exe");
    EXPECT_TRUE(open("a"));
    ASSERT_EQ(shell.findExecutableCalls.size(), 1U);
    EXPECT_TRUE(shell.findExecutableCalls[0].file.ends_with(".html"));
    EXPECT_EQ(shell.findExecutableCalls[0].directory, fake.files.tempFolder());
    EXPECT_TRUE(shell.probeSeen);
    EXPECT_TRUE(tempFolderIsEmpty());

    // The second call makes no probe at all.
    std::ofstream(userFile()) << "keep";
    EXPECT_TRUE(open("b"));
    EXPECT_EQ(shell.findExecutableCalls.size(), 1U);
    EXPECT_EQ(commandLines(), (std::vector<std::string>{" a", " b"}));
    EXPECT_EQ(fs::file_size(userFile()), 4U);
}

TEST_F(BrowserLauncherTest, BelowResultCode32NothingStartsAndAnEmptyResultIsSearchedAgain) {
    const struct {
        platform::ExecutableSearch search;
        bool opens;
    } cases[] = {
        {{2, std::string(260, '\0')}, false},
        {found("", 31), false},
        {found("C:\\web.exe", 32), true},
    };
    for (const auto& c : cases) {
        mdlNet::browserPath.clear();
        shell.maximizedStarts.clear();
        shell.executableSearch = c.search;
        EXPECT_EQ(open("a"), c.opens) << c.search.resultCode;
        EXPECT_EQ(shell.maximizedStarts.size(), c.opens ? 1U : 0U);
        EXPECT_TRUE(tempFolderIsEmpty()) << "a failed search leaves no probe either";
    }

    mdlNet::browserPath.clear();
    shell.findExecutableCalls.clear();
    shell.executableSearch = found("", 2);
    EXPECT_FALSE(open("a"));
    EXPECT_FALSE(open("a"));
    EXPECT_EQ(shell.findExecutableCalls.size(), 2U);
}

TEST_F(BrowserLauncherTest, ABrowserThatDoesNotStartFailsAndIsKept) {
    shell.executableSearch = found("C:\\gone\\web.exe");
    shell.canStartMaximized = false;
    EXPECT_FALSE(open("a"));
    EXPECT_FALSE(open("a"));
    EXPECT_EQ(shell.findExecutableCalls.size(), 1U);
    EXPECT_EQ(mdlNet::browserPath, "C:\\gone\\web.exe");
}

TEST_F(BrowserLauncherTest, AProbeThatCannotBeMadeOrRemovedIsNoError) {
    testsupport::LocalFiles noTemp(fake.root.file("missing") + "/");
    shell.executableSearch = found("", 2);
    bool opened = true;
    EXPECT_NO_THROW(opened = mdlNet::openBrowser(noTemp, shell, "a"));
    EXPECT_FALSE(opened);
    EXPECT_FALSE(shell.probeSeen);
}

TEST_F(BrowserLauncherTest, TheAddressReachesTheBrowserAsExactlyOneArgument) {
    using namespace std::string_literals;
    const struct {
        std::string address, argument;
    } cases[] = {
        // Normal addresses arrive as they are.
        {"https://example.org/a?b=c&d=%20#x", "https://example.org/a?b=c&d=%20#x"},
        {"http://example.org/caf\xC3\xA9\\x-y/z", "http://example.org/caf\xC3\xA9\\x-y/z"},
        // What would end the argument or start another one.
        {"http://a.org/ -new-window", "http://a.org/%20-new-window"},
        {"http://a.org/\t/x", "http://a.org/%09/x"},
        {"http://a.org/\\\" --foo=bar", "http://a.org/\\%22%20--foo=bar"},
        {"http://a.org/\r\n-x", "http://a.org/%0D%0A-x"},
        {"http://a.org/\0 x"s, "http://a.org/%00%20x"},
        {"http://a.org/\x1F\x7F", "http://a.org/%1F%7F"},
        // What a browser reads as an option of its own.
        {"--foo=bar", "%2D-foo=bar"},
        {"/prefetch:1", "%2Fprefetch:1"},
    };
    shell.executableSearch = found("C:\\Browsers\\web.exe");
    for (const auto& c : cases) {
        ASSERT_TRUE(open(c.address));
        EXPECT_EQ(shell.maximizedStarts.back().commandLine, " " + c.argument) << c.address;
    }
}

TEST_F(BrowserLauncherTest, AnAddressLongerThanACommandLineHoldsIsRefused) {
    shell.executableSearch = found("C:\\Browsers\\web.exe");
    // 32,767 UTF-16 units less the path's 19, the blank before the address and the NUL.
    const size_t room = 32767 - 19 - 2;
    const std::pair<std::string, bool> cases[] = {
        {std::string(room, 'a'), true},
        {std::string(room + 1, 'a'), false},
        {"\u00E9" + std::string(room - 1, 'a'), true},       // one unit in two bytes
        {std::string(room - 1, 'a') + "\U0001F600", false},  // two units in four bytes
    };
    for (const auto& [address, opens] : cases) {
        shell.maximizedStarts.clear();
        EXPECT_EQ(open(address), opens) << address.size();
        EXPECT_EQ(shell.maximizedStarts.size(), opens ? 1U : 0U);
    }
}

}  // namespace

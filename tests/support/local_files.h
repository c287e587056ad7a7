#pragma once
// Files on the Linux file system, reached with Windows-style paths: a backslash
// separates folders (a doubled one reads as one) and names match without regard
// to letter case in searches. Hidden, system and locked files are simulated by
// marking paths, since Linux has no such attributes.

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace testsupport {

class LocalFiles : public platform::Files {
public:
    // `tempFolder` is what tempFolder() reports, trailing separator included.
    explicit LocalFiles(std::string tempFolder) : tempFolder_(std::move(tempFolder)) {}

    bool exists(std::string_view path) override;
    bool anyEntry(std::string_view path) override;
    void copy(std::string_view from, std::string_view to) override;
    void remove(std::string_view path) override;
    void createEmpty(std::string_view path) override;
    // "probe-" + a try count + the suffix, the count raised while the name is taken.
    std::string createUnique(std::string_view folder, std::string_view suffix) override;
    std::string tempFolder() override { return tempFolder_; }
    // A path starting with a separator is whole on Linux and is kept; any
    // other is joined to the current folder, "." and ".." resolved, with
    // backslashes as Windows gives it.
    std::string fullPath(std::string_view path) override;
    std::vector<std::string> list(std::string_view folder, std::string_view patterns) override;
    std::optional<platform::FileStamp> stamp(std::string_view path) override;

    // The process's own at first; tests set one of theirs.
    void setCurrentFolder(std::string folder) { currentFolder_ = std::move(folder); }
    // How many folder listings were asked for.
    size_t listCalls() const noexcept { return listCalls_; }

    void markHidden(std::string_view path) { hidden_.insert(normalise(path)); }
    // A locked file can be neither copied, overwritten nor deleted (70).
    void markLocked(std::string_view path) { locked_.insert(normalise(path)); }

    static std::string normalise(std::string_view path);

private:
    bool isNormalFile(const std::string& nativePath) const;
    void checkUnlocked(const std::string& nativePath) const;

    std::string tempFolder_;
    std::string currentFolder_ = std::filesystem::current_path().string();
    size_t listCalls_ = 0;
    std::set<std::string> hidden_;
    std::set<std::string> locked_;
};

}  // namespace testsupport

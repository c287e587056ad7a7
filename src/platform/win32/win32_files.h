#pragma once
// Files through kernel32's W calls; paths are converted from UTF-8 to UTF-16.
// A normal file is one that is neither a folder nor hidden nor a system file.

#include "platform/files.h"

namespace platform {

class Win32Files final : public Files {
public:
    bool exists(std::string_view path) override;
    bool anyEntry(std::string_view path) override;
    void copy(std::string_view from, std::string_view to) override;
    void remove(std::string_view path) override;
    void createEmpty(std::string_view path) override;
    // CREATE_NEW on "ts" + the process id + "-" + a try count + the suffix,
    // the count raised while the name is taken, for at most 100 tries.
    std::string createUnique(std::string_view folder, std::string_view suffix) override;
    // GetTempPathW, converted to UTF-8. A path that does not fit 260 characters
    // gives "".
    std::string tempFolder() override;
    // GetFullPathNameW, converted to UTF-8.
    std::string fullPath(std::string_view path) override;
    // Searches folder + "\" + pattern for each pattern in turn; a file that
    // matches several patterns is listed once, where it was first found.
    std::vector<std::string> list(std::string_view folder, std::string_view patterns) override;
    std::optional<FileStamp> stamp(std::string_view path) override;
};

}  // namespace platform

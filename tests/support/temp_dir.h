#pragma once
// A fresh directory under the system's temporary folder, removed with all it
// holds when the object goes. Tests never touch anything outside it.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

class TempDir {
public:
    // `prefix` keeps the path short when a test needs exact path lengths.
    explicit TempDir(std::string_view prefix = "tstest");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the directory, as text.
    std::string file(std::string_view name) const;
    // Writes `bytes` to `name` (creating folders) and returns its path.
    std::string write(std::string_view name, const std::vector<uint8_t>& bytes) const;
    std::string write(std::string_view name, std::string_view text) const;

private:
    std::filesystem::path path_;
};

std::vector<uint8_t> readAll(const std::filesystem::path& path);

}  // namespace testsupport

#pragma once
// Files and folders as the program uses them. Paths are UTF-8 Windows paths
// ("C:\\dir\\name.jpg"); a doubled backslash reads as one, as Windows reads it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What tells one version of a file from another: its size and last write.
struct FileStamp {
    uint64_t size = 0;
    int64_t lastWrite = 0;
    bool operator==(const FileStamp&) const = default;
};

class Files {
public:
    virtual ~Files() = default;

    // True when a directory search for `path` finds a normal file: read-only and
    // archive files count; hidden and system files and folders do not. Wildcards
    // in the name match as in a directory search.
    virtual bool exists(std::string_view path) = 0;
    // True when a directory search for `path` finds any entry, folders included;
    // a path ending in a backslash searches that folder's entries.
    virtual bool anyEntry(std::string_view path) = 0;
    // Copies `from` over `to`. Throws base::AppError (53 file not found,
    // 70 permission denied, 75 path/file access error, 76 path not found).
    virtual void copy(std::string_view from, std::string_view to) = 0;
    // Deletes one file. Throws base::AppError as copy does.
    virtual void remove(std::string_view path) = 0;
    // Creates the empty file `path`, or empties it when it exists. Throws
    // base::AppError as copy does.
    virtual void createEmpty(std::string_view path) = 0;
    // Creates an empty file of the process's own in `folder` (ending in a
    // backslash), under a name no file or folder there has yet, ending in
    // `suffix`; nothing that exists is opened or replaced, so two processes or
    // two calls never get the same file. Returns the name, without the folder.
    // Throws base::AppError as copy does when no file can be made there.
    virtual std::string createUnique(std::string_view folder, std::string_view suffix) = 0;
    // The user's temporary folder as GetTempPath gives it (with its trailing
    // backslash), cut at the first NUL of a 260-character buffer.
    virtual std::string tempFolder() = 0;
    // `path` made whole against the process's current folder (and a drive's
    // own current folder for "C:name"), as GetFullPathName makes it: "." and
    // ".." resolved. The path as given when it cannot be made whole.
    virtual std::string fullPath(std::string_view path) = 0;
    // The names (no folder) of the normal files in `folder` whose names match any
    // of the ';'-separated patterns ("*.jpeg;*.jpg"), in the order the file system
    // gives them. A missing folder gives an empty list.
    virtual std::vector<std::string> list(std::string_view folder, std::string_view patterns) = 0;
    // The stamp of the normal file `path`, or nothing when there is none.
    // Safe on any thread.
    virtual std::optional<FileStamp> stamp(std::string_view path) = 0;
};

}  // namespace platform

#pragma once
// Opening a picture file by the program's own kind of path: UTF-8, folders
// separated by backslashes.

#include <cstdio>
#include <memory>
#include <string_view>

namespace platform::jpeg {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
// Owns an open file; closing it is the deleter's job alone.
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens `utf8Path` for binary reading. On Windows the name goes to the wide
// call, so names outside the ANSI code page open; elsewhere a backslash
// separates folders as '/' does. Throws base::AppError 53 "File not found" (no
// such file, a folder, an empty or malformed name), 70 "Permission denied",
// 75 "Path/File access error" (any other failure to open).
FilePtr openPictureFile(std::string_view utf8Path);

}  // namespace platform::jpeg

#include "platform/jpeg/picture_file.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "base/app_error.h"
#include "base/utf8_path.h"

namespace platform::jpeg {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void raiseNotFound() {
    throw base::AppError(base::error_number::fileNotFound, "File not found");
}

[[noreturn]] void raiseOpenFailure(int error) {
    if (error == ENOENT || error == ENOTDIR) raiseNotFound();
    if (error == EACCES || error == EPERM) {
        throw base::AppError(base::error_number::permissionDenied, "Permission denied");
    }
    throw base::AppError(base::error_number::pathFileAccess, "Path/File access error");
}

std::FILE* openForReading(const fs::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

FilePtr openPictureFile(std::string_view utf8Path) {
    const auto path = base::pathFromUtf8(utf8Path);
    if (!path) raiseNotFound();

    // A folder opens for reading on some systems; it is no picture file.
    std::error_code error;
    const fs::file_status status = fs::status(*path, error);
    if (error == std::errc::permission_denied) raiseOpenFailure(EACCES);
    if (!fs::is_regular_file(status)) raiseNotFound();

    errno = 0;
    FilePtr file(openForReading(*path));
    if (!file) raiseOpenFailure(errno);
    return file;
}

}  // namespace platform::jpeg

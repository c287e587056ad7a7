#include "platform/win32/file_error.h"

#include <windows.h>

namespace platform::win32 {

base::AppError fileError(uint32_t win32Error) {
    namespace number = base::error_number;
    switch (win32Error) {
        case ERROR_FILE_NOT_FOUND:
            return {number::fileNotFound, "File not found"};
        case ERROR_PATH_NOT_FOUND:
            return {number::pathNotFound, "Path not found"};
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return {number::permissionDenied, "Permission denied"};
        default:
            return {number::pathFileAccess, "Path/File access error"};
    }
}

}  // namespace platform::win32

#pragma once
// The program's error for a file operation the platform refused.

#include <cstdint>

#include "base/app_error.h"

namespace platform::win32 {

// ERROR_FILE_NOT_FOUND -> 53 "File not found", ERROR_PATH_NOT_FOUND -> 76
// "Path not found", access denied and sharing or lock violations -> 70
// "Permission denied", anything else -> 75 "Path/File access error".
base::AppError fileError(uint32_t win32Error);

}  // namespace platform::win32

#pragma once
// General file helpers.

#include <string_view>

#include "platform/files.h"

namespace mdlGen {

// True when a normal file of that path exists (read-only and archive files
// count; hidden and system files and folders do not; wildcards match any).
bool fileExists(platform::Files& files, std::string_view path);

}  // namespace mdlGen

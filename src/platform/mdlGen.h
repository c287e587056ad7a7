#pragma once
// General path and file helpers. Paths are plain strings joined with "\".

#include <string>
#include <string_view>

#include "platform/files.h"

namespace mdlGen {

// True when a normal file of that path exists (read-only and archive files
// count; hidden and system files and folders do not; wildcards match any).
bool fileExists(platform::Files& files, std::string_view path);

// The name after the last backslash, double quotes removed ("" for "").
std::string getFileName(std::string_view path);
// Everything up to and including the last backslash, double quotes removed;
// "" when there is none or the path is shorter than 4 characters.
std::string getFolder(std::string_view path);
// True when `path` names its file whatever the current folder is: a drive
// and a separator ("C:\..."), or two separators (a network or device path).
// "name.jpg", "sub\name.jpg", "\name.jpg" and "C:name.jpg" depend on it.
bool isFullPath(std::string_view path);
// The extension from the last dot of the whole path, dot included, or "".
std::string getExtension(std::string_view path);
// The folder as Windows names it: no trailing backslash, except for a drive
// root such as "C:\".
std::string withoutTrailingBackslash(std::string_view folder);

}  // namespace mdlGen

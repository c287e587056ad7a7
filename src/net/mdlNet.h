#pragma once
// Helpers for reaching the web browser.

#include <string>

#include "platform/files.h"

namespace mdlNet {

// The user's temporary folder with its trailing backslash.
std::string getTempFolder(platform::Files& files);

}  // namespace mdlNet

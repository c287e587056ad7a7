#pragma once
// Opening an address for a command of the user's, who is told when it fails.

#include <string_view>

#include "platform/platform.h"

namespace mdlNet {

// Opens `address` in the browser (openBrowser); when the browser cannot be
// started, shows the one message every command that opens an address shows.
void openBrowserOrTell(platform::Platform& platform, std::string_view address);

}  // namespace mdlNet

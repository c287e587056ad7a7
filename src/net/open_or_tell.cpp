#include "net/open_or_tell.h"

#include "net/mdlNet.h"

namespace mdlNet {

void openBrowserOrTell(platform::Platform& platform, std::string_view address) {
    if (openBrowser(platform.files, platform.shell, address)) return;
    platform.dialogs.messageBox(
        "Cann't open your default brower!", "Failed to open browser.",
        platform::message_style::okOnly | platform::message_style::information);
}

}  // namespace mdlNet

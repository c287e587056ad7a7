#pragma once
// Opening a web address in the user's default browser, and the temporary
// folder the program's probe and copy files go to.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/shell.h"

namespace mdlNet {

// What the run's first browser search gave, found or not. Once it is not
// empty no later call searches again, so a browser that does not start keeps
// failing for the rest of the run. Empty at start; tests clear it.
extern std::string browserPath;

// The user's temporary folder with its trailing backslash.
std::string getTempFolder(platform::Files& files);

// Starts the browser (searched for once with findBrowser, then kept in
// browserPath) maximized, with its options followed by `address` as one
// argument (browserArgument) as its whole command line. False when no browser
// was found, the browser's path and the command line are more than a process's
// command line holds (32,767 UTF-16 units with its NUL), or it did not start.
// Shows nothing.
bool openBrowser(platform::Files& files, platform::Shell& shell, std::string_view address);

// The program the shell opens ".html" files with: probes with an empty ".html"
// file of its own in the temporary folder (Files::createUnique), removed again
// whatever happens. `resultCode` gets the lookup's result (32 or more when
// found; 2 when no probe could be made); the path is "" or meaningless below that.
std::string findBrowser(platform::Files& files, platform::Shell& shell, int32_t& resultCode);

// The text that goes before the address on the browser's command line, chosen
// by the executable's name (letter case ignored); it begins and ends with a space.
std::string getBrowserOptions(std::string_view executablePath);

// `address` made safe to stand as exactly one command-line argument: the
// bidirectional controls (base::withBidiControlsEncoded), space, tab, '"' and
// control characters become %XX, and so does a leading '-' or '/'; everything
// else is kept as it is.
std::string browserArgument(std::string_view address);

// `text` up to its first NUL, or all of it when it has none.
std::string trimAtNul(std::string_view text);

}  // namespace mdlNet

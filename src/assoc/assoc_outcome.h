#pragma once
// What became of each extension the settings dialog was asked to change, and
// what the dialog tells the user about it. "It is done!" is said only when
// every ticked extension now opens, or no longer opens, with the viewer as
// asked; otherwise the message names each one that did not and why.

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace mdlFileAssoc {

enum class Outcome {
    done,             // as asked
    refused,          // unchanged: the registry refused the writes
    notTaken,         // unchanged, though nothing was refused
    nothingKept,      // still the viewer's: no handler was kept to give it back to
    choiceOverrides,  // the classes are as asked, the user's Default apps choice is not
};

struct ExtensionResult {
    std::string_view ext;
    Outcome outcome;
};

// Judges `ext` after its operation ran: `associating` is the way it was asked
// to go, `refused` whether a write was refused meanwhile, `couldGiveBack`
// what canGiveBack said before it ran.
Outcome judge(platform::Registry& registry, std::string_view ext, bool associating, bool refused,
              bool couldGiveBack);

struct Report {
    std::string text;
    std::string title;
    int style = 0;
    // The user is asked whether to open Default apps; "Yes" opens it.
    bool offersDefaultApps = false;
};

// What to tell the user of the ticked extensions' `results` (none ticked: empty).
Report report(const std::vector<ExtensionResult>& results, bool associating);

// Settings' Default apps page, at the viewer's entry where Windows takes the
// name it is registered with (machine-wide, by the installer).
inline constexpr std::string_view defaultAppsUri =
    "ms-settings:defaultapps?registeredAppMachine=Tessmire";

}  // namespace mdlFileAssoc

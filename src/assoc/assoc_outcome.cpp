#include "assoc/assoc_outcome.h"

#include <algorithm>

#include "assoc/mdlFileAssoc.h"
#include "platform/dialogs.h"

namespace mdlFileAssoc {

namespace {

std::string reason(const ExtensionResult& result, bool associating) {
    const std::string ext(result.ext);
    switch (result.outcome) {
        case Outcome::refused:
            return ext +
                   " was not changed: Windows refused the change. Administrator rights are "
                   "needed: start TSViewer as administrator and try again.";
        case Outcome::notTaken:
            return ext + " was not changed: Windows did not keep the change.";
        case Outcome::nothingKept:
            return ext +
                   " still opens with TSViewer: no program that opened it before was saved to "
                   "give it back to.";
        case Outcome::choiceOverrides:
            return ext +
                   (associating ? " still opens with another program"
                                : " still opens with TSViewer") +
                   ": the choice made in Windows' Default apps overrides this setting.";
        case Outcome::done:
            break;
    }
    return {};
}

}  // namespace

Outcome judge(platform::Registry& registry, std::string_view ext, bool associating, bool refused,
              bool couldGiveBack) {
    if ((isAssociated(registry, ext) == 1) != associating) {
        if (!associating && !couldGiveBack) return Outcome::nothingKept;
        return refused ? Outcome::refused : Outcome::notTaken;
    }
    // Windows 8 and later follow the user's own choice over the classes.
    const std::string choice = userChoiceProgId(registry, ext);
    if (!choice.empty() && namesViewer(choice) != associating) return Outcome::choiceOverrides;
    return Outcome::done;
}

Report report(const std::vector<ExtensionResult>& results, bool associating) {
    namespace style = platform::message_style;
    if (results.empty()) {
        return {std::string("No extension is ticked, so nothing was changed. Tick the extensions "
                            "to ") +
                    (associating ? "associate" : "unassociate") + " first.",
                "File Association", style::exclamation, false};
    }
    const auto failed = [](const ExtensionResult& r) { return r.outcome != Outcome::done; };
    if (std::none_of(results.begin(), results.end(), failed))
        return {"It is done!", "Command executed.", style::exclamation, false};

    Report told{"Not everything was done.", "File Association", style::exclamation, false};
    for (const ExtensionResult& result : results) {
        if (!failed(result)) continue;
        told.text += "\r\n\r\n" + reason(result, associating);
        // Only the user can choose the program there.
        told.offersDefaultApps = told.offersDefaultApps ||
                                 result.outcome == Outcome::choiceOverrides ||
                                 result.outcome == Outcome::nothingKept;
    }
    if (told.offersDefaultApps) {
        told.text += "\r\n\r\nOpen Settings > Apps > Default apps to choose the program there?";
        told.style |= style::yesNo;
    }
    return told;
}

}  // namespace mdlFileAssoc

// The tag check as the window uses it: a page image's title and address go to
// the bar.

#include "app/frmMain.h"
#include "base/text.h"

bool frmMain::isContainIPTC(const std::string& jpg_filepath) {
    const std::optional<tags::PageRecord> record = tagCheck_.check(jpg_filepath, commandLine_);
    if (!record) return false;
    lblTitle.setCaption(record->title);
    // Shown as it will be sent: no control may make it read as another.
    lblAddress.setCaption(base::withBidiControlsEncoded(base::trimBlanks(record->address)));
    return true;
}

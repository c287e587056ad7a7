// The tag check as the window uses it: the check reads a file's page record
// (tags/), and the bar shows a page image's title and address once its
// picture is on view.

#include "app/frmMain.h"
#include "base/text.h"

std::optional<tags::PageRecord> frmMain::checkPage(const std::string& path) {
    return tagCheck_.check(path, commandLine_);
}

void frmMain::showPageRecord(const tags::PageRecord& record) {
    lblTitle.setCaption(record.title);
    // Shown as it will be sent: no control may make it read as another.
    lblAddress.setCaption(base::withBidiControlsEncoded(base::trimBlanks(record.address)));
    shownAddress_ = base::trimBlanks(record.address);
}

void frmMain::rememberOpened() {
    // Once the window has painted: the shell is loaded for it. Steps are not
    // remembered: what the user opened is what the jump list is for, and the
    // shell's work for each would slow the steps down.
    afterPaint([this, opened = shownPath_] { platform_.shell.addToRecentDocuments(opened); });
}

bool frmMain::isContainIPTC(const std::string& jpg_filepath) {
    const std::optional<tags::PageRecord> record = checkPage(jpg_filepath);
    if (record) showPageRecord(*record);
    return record.has_value();
}

// Start-up and shutdown: what a run does, decided from its command line alone.

#include "app/frmMain.h"
#include "base/text.h"
#include "nav/mdlGen.h"
#include "settings/mdlINI.h"

namespace {

constexpr std::string_view addressBarKey = "ADDRESS_BAR";

}  // namespace

frmMain::LoadOutcome frmMain::Form_Load() {
    // A run that ends during the load is never seen in the task list.
    setShowInTaskbar(false);
    pictureLoaded_ = false;
    addressBarShown_ = true;
    addressClickPending_ = false;

    const std::string& command = commandLine_;
    if (command.empty()) {
        prepareWindow();
        return LoadOutcome::show;
    }

    // A path with blanks works quoted or not; quotes anywhere are dropped.
    const std::string path = mdlGen::withoutQuotes(command);
    if (isContainIPTC(path)) {
        prepareWindow();
        taggedCount_ = scanFolder(mdlGen::getFolder(path), ScanFailures::skip);
        setListingFolder(mdlGen::getFolder(command));
        openPictureOrReport(path);
        scroll_h.setValue(0);
        scroll_v.setValue(0);
        return LoadOutcome::show;
    }

    // Not a page image: shown in the viewer, without a folder scan.
    prepareWindow();
    openPictureOrReport(path);
    scroll_h.setValue(0);
    scroll_v.setValue(0);
    return LoadOutcome::show;
}

void frmMain::prepareWindow() {
    setShowInTaskbar(true);
    const std::string stored = mdlINI::getSetting(platform_.registry, "", addressBarKey);
    addressBarShown_ = stored.empty() || base::leadingNumber(stored) != 0;
    frImage.setLeft(0);
    imgTitle.setTop(0);
    scroll_h.setLeft(0);
    layoutWindow();
}

void frmMain::Form_Unload() {
    mdlINI::saveSetting(platform_.registry, "", addressBarKey, addressBarShown_ ? "1" : "0");
}

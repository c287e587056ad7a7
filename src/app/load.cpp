// Start-up and shutdown: what a run does, decided from its command line alone.

#include "app/frmMain.h"
#include "assoc/mdlFileAssoc.h"
#include "base/text.h"
#include "platform/mdlGen.h"
#include "settings/mdlINI.h"

namespace {

constexpr std::string_view addressBarKey = "ADDRESS_BAR";

}  // namespace

frmMain::LoadOutcome frmMain::Form_Load() {
    // A run that ends during the load is never seen in the task list.
    setShowInTaskbar(false);
    viewport_.clear();
    addressBarShown_ = true;
    shiftClick_.cancel();

    const std::string& command = commandLine_;
    if (runVerb(command)) return LoadOutcome::endProcess;
    if (command.empty()) {
        prepareWindow();
        return LoadOutcome::show;
    }

    // A path with blanks works quoted or not; quotes anywhere are dropped. A
    // path typed in a console may be relative to its folder.
    std::string path = base::withoutQuotes(command);
    if (!mdlGen::isFullPath(path)) path = platform_.files.fullPath(path);
    if (const std::optional<tags::PageRecord> page = checkPage(path)) {
        prepareWindow();
        // The page is shown first; the folder's listing and the count of its
        // page images are read on the scan's thread, the count following in
        // the caption.
        if (openPictureOrReport(path, Listing::asRead)) {
            showPageRecord(*page);
            rememberOpened();
        }
        const std::string folder = mdlGen::getFolder(path);
        folder_.deferListing(folder);
        afterPaint(
            [this, folder] { folder_.startScan(folder, postingToWindow(folderScannedMessage)); });
        scroll_h.setValue(0);
        scroll_v.setValue(0);
        return LoadOutcome::show;
    }

    // Not a page image: to the program that opened JPEG files before, or, when
    // none is known or it cannot be started, shown here without a folder scan.
    if (handOff(path)) {
        Form_Unload();
        return LoadOutcome::unloaded;
    }
    prepareWindow();
    openPictureOrReport(path, Listing::readAnew);
    scroll_h.setValue(0);
    scroll_v.setValue(0);
    return LoadOutcome::show;
}

bool frmMain::runVerb(const std::string& command) {
    platform::Registry& registry = platform_.registry;
    platform::Shell& shell = platform_.shell;
    if (command == "install") {
        mdlFileAssoc::registerProgIds(registry, shell);
        mdlFileAssoc::associateMire(registry, shell);
        mdlFileAssoc::associateJpeg(registry, platform_.files, shell);
        return true;
    }
    if (command == "uninstall") {
        if (mdlFileAssoc::isAssociated(registry, ".mre") > 0) {
            mdlFileAssoc::unassociateMre(registry, shell);
        }
        if (mdlFileAssoc::isAssociated(registry, ".mire") > 0) {
            mdlFileAssoc::unassociateMire(registry, shell);
        }
        if (mdlFileAssoc::isAssociated(registry, ".jpeg") > 0) {
            mdlFileAssoc::unassociateJpeg(registry, shell);
        }
        if (mdlFileAssoc::isAssociated(registry, ".jpg") > 0) {
            mdlFileAssoc::unassociateJpg(registry, shell);
        }
        return true;
    }
    return false;
}

bool frmMain::handOff(const std::string& path) {
    platform::Shell& shell = platform_.shell;
    const std::string handler = mdlFileAssoc::findPreviousHandler(platform_.registry, shell, path);
    std::string tried;
    if (!handler.empty()) {
        tried = mdlFileAssoc::getShellString(handler, path);
        if (shell.startProcess(tried)) return true;
    } else {
        // A program known only by its ProgID opens the file as Explorer would.
        const std::string progId =
            mdlFileAssoc::findPreviousProgId(platform_.registry, shell, path);
        if (progId.empty()) return false;
        if (shell.openWithClass(path, progId)) return true;
        tried = progId;
    }
    // The user is never left with nothing: the picture opens here instead.
    platform_.dialogs.messageBox(
        "The program that opened JPEG files before could not be started:\r\n" + tried +
            "\r\n\r\nThe picture is shown here instead.",
        productCaption, platform::message_style::exclamation);
    return false;
}

void frmMain::prepareWindow() {
    windowPrepared_ = true;
    setShowInTaskbar(true);
    const std::string stored = mdlINI::getSetting(platform_.registry, "", addressBarKey);
    addressBarShown_ = stored.empty() || base::leadingNumber(stored) != 0;
    frImage.setLeft(0);
    imgTitle.setTop(0);
    scroll_h.setLeft(0);
    appendSystemMenu();
    layoutWindow();
    // Last: from here on the window's messages pass the hook first.
    platform_.windowHook.hookWindow(nativeHandle(), *this);
    windowHooked_ = true;
}

void frmMain::Form_Unload() {
    if (windowHooked_) {
        platform_.windowHook.unhookWindow(nativeHandle());
        windowHooked_ = false;
    }
    // Only a run that read the stored choice can have changed it: a plain
    // photo handed off unseen leaves it as it was.
    if (windowPrepared_) {
        mdlINI::saveSetting(platform_.registry, "", addressBarKey, addressBarShown_ ? "1" : "0");
    }
    // The settings dialog goes with the main window, and the viewer's threads
    // end with it: nothing posts to a window that is going.
    settings_.close();
    pictureDecode_.stop();
    readAhead_.stop();
    folder_.stopScan();
}

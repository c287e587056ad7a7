// Opening one file into the viewer, also through the Open dialog.

#include "app/frmMain.h"
#include "platform/mdlGen.h"

namespace {

using platform::message_style::exclamation;
using platform::message_style::information;

const std::vector<platform::FileType> openFileTypes = {
    {"JPEG Files(*.jpeg;*.jpg)", "*.jpeg;*.jpg"},
    {" Tessmire Files(*.mire;*.mre)", "*.mire;*.mre"},
};

}  // namespace

bool frmMain::openPicture(const std::string& path, Listing listing, int stepDirection) {
    if (!mdlGen::fileExists(platform_.files, path)) {
        platform_.dialogs.messageBox("File doesn't exist!\r\n" + path, "File missing!",
                                     information);
        return false;
    }
    // The first screen is decoded before anything changes, so a file that
    // cannot be decoded leaves the shown picture, its caption and the listing
    // as they were. The rest of the shown picture waits meanwhile.
    pictureDecode_.pause();
    platform::PartlyDecoded top;
    try {
        std::optional<platform::PartlyDecoded> ready;
        if (stepDirection != 0) {
            ready = readAhead_.take(stepDirection, path);
        } else {
            readAhead_.stop();
        }
        top = ready ? std::move(*ready) : platform_.pictureCodec.decodeTop(path, firstScreenRows());
    } catch (...) {
        pictureDecode_.resume();
        throw;
    }

    folder_.setShown(mdlGen::getFileName(path));
    if (listing == Listing::readAnew) folder_.readListing(mdlGen::getFolder(path));
    updateTitle();
    imgDisplay.setTop(0);
    // A new file always starts at its original size.
    showPicture(top.bitmap);
    shownPath_ = path;
    shownAddress_.clear();
    startDecodingRest(std::move(top), path);
    return true;
}

bool frmMain::openPictureOrReport(const std::string& path, Listing listing) {
    try {
        return openPicture(path, listing);
    } catch (const base::AppError& error) {
        reportUnopenable(path, error);
        return false;
    }
}

void frmMain::openScanned(const std::string& file, bool scanned) {
    // The scan reads the listing the opening goes by.
    if (!scanned) scanFolder(mdlGen::getFolder(file));
    if (!openPicture(file, Listing::asRead)) return;
    // A plain picture has no address to show: its entry is greyed.
    const bool page = isContainIPTC(file);
    showAddressBar(page, !page);
    if (page) rememberOpened();
}

void frmMain::openWithItsFolder(const std::string& file, bool scanned) {
    try {
        openScanned(file, scanned);
    } catch (const base::AppError& error) {
        reportUnopenable(file, error);
    }
}

void frmMain::reportUnopenable(const std::string& path, const base::AppError& error) {
    platform_.dialogs.messageBox(
        "This picture cannot be shown:\r\n" + path + "\r\n\r\n" + error.description(),
        productCaption, exclamation);
}

void frmMain::browseJPEG() {
    try {
        const std::string file = platform_.dialogs.openFile("Select a JPEG to open", openFileTypes);
        if (file.empty()) return;
        if (!mdlGen::fileExists(platform_.files, file)) {
            platform_.dialogs.messageBox("Please select an existing file!", "File doesn't exist!",
                                         information);
            return;
        }
        openScanned(file, false);
    } catch (const base::AppError& error) {
        if (base::isCancel(error)) return;
        platform_.dialogs.inputBox(error.description(), "browseJPEG",
                                   std::to_string(error.number()));
    }
}

// The folder's page images as the window shows them: the caption's counter.

#include "app/frmMain.h"

int16_t frmMain::scanFolder(const std::string& folder) { return folder_.scan(folder); }

void frmMain::folderScanned() {
    // The caption names a file only once one is shown.
    if (!folder_.takeScan()) return;
    if (viewport_.loaded()) updateTitle();
    // A read-ahead waits for the listing the scan read.
    if (!pictureDecoding()) startReadAhead();
}

int16_t frmMain::findTaggedIndex(const std::string& name) const { return folder_.pageIndex(name); }

void frmMain::updateTitle() {
    const std::string& name = folder_.shownName();
    std::string caption = std::string(productCaption) + "  " + name;
    const int16_t index = folder_.pageIndex(name);
    if (index >= 0) {
        caption +=
            "    [" + std::to_string(index + 1) + "/" + std::to_string(folder_.pageCount()) + "]";
    }
    setCaption(std::move(caption));
}

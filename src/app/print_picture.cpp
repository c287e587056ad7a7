// Printing from the window: the print room's command, given the picture as
// the window shows it and, with the address bar, the page's title and address.

#include "app/frmMain.h"

void frmMain::printPicture() {
    if (!viewport_.loaded()) return;
    printCommand_.run([this] {
        waitForWholePicture();
        print::PrintJob job;
        job.picture = mdlPicPrint::holderOf(imgPrint, twipsPerPixelX(), twipsPerPixelY());
        job.shrunk = viewport_.shrunk();
        if (addressBarShown_) {
            job.title = lblTitle.caption();
            job.address = lblAddress.caption();
        }
        return job;
    });
}

void frmMain::savePrintSettings(const platform::PrinterDialog& dialog) {
    printCommand_.saveSettings(dialog);
}

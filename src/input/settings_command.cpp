#include "app/frmMain.h"

void frmMain::showSettings() {}

#pragma once
// Everything the program reaches of the operating system, handed to the main
// window at construction. The objects outlive the window.

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/picture_codec.h"
#include "platform/picture_resources.h"
#include "platform/printers.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/window_hook.h"

namespace platform {

struct Platform {
    Registry& registry;
    Files& files;
    Clock& clock;
    PictureCodec& pictureCodec;
    PictureResources& pictures;
    Shell& shell;
    Dialogs& dialogs;
    Printers& printers;
    WindowHook& windowHook;
    Clipboard& clipboard;
};

}  // namespace platform

#pragma once
// The whole platform on Win32, in one object: what the program, the tools and
// the Windows tests run on. `platform` refers to the members, so the object
// stays where it was made (neither copied nor moved).

#include "platform/jpeg/jpeg_picture_codec.h"
#include "platform/platform.h"
#include "platform/win32/mdlHook.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_picture_resources.h"
#include "platform/win32/win32_printers.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"

namespace platform {

struct Win32Platform {
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Win32Registry registry;
    Win32Files files;
    Win32Clock clock;
    JpegPictureCodec pictureCodec;
    Win32PictureResources pictures;
    Win32Shell shell;
    Win32Dialogs dialogs;
    Win32Printers printers;
    Win32WindowHook windowHook;
    Win32Clipboard clipboard;
    Platform platform{registry, files,   clock,    pictureCodec, pictures,
                      shell,    dialogs, printers, windowHook,   clipboard};
};

}  // namespace platform

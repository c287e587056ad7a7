#pragma once
// The platform doubles together, with a temporary folder of their own, for
// tests that drive the program's logic natively.

#include "base/app_error.h"
#include "platform/jpeg/jpeg_picture_codec.h"
#include "platform/platform.h"
#include "support/fake_clock.h"
#include "support/fake_pictures.h"
#include "support/local_files.h"
#include "support/memory_registry.h"
#include "support/recording_clipboard.h"
#include "support/recording_printer.h"
#include "support/recording_shell.h"
#include "support/recording_window_hook.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace testsupport {

struct FakePlatform {
    TempDir root{"ts"};
    MemoryRegistry registry;
    LocalFiles files{root.file("temp") + "/"};
    FakeClock clock;
    platform::JpegPictureCodec codec;
    FakePictures pictures;
    RecordingShell shell;
    ScriptedDialogs dialogs;
    FakePrinters printers;
    RecordingWindowHook windowHook;
    RecordingClipboard clipboard;
    platform::Platform platform{registry, files,   clock,    codec,      pictures,
                                shell,    dialogs, printers, windowHook, clipboard};

    FakePlatform() { std::filesystem::create_directories(root.path() / "temp"); }
};

}  // namespace testsupport

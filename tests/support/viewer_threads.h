#pragma once
// The viewer's own threads, seen from a headless test: what they post is
// delivered as the window's message loop delivers it.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/frmMain.h"
#include "support/recording_window_hook.h"

namespace testsupport {

// Delivers the posted messages until the shown picture is decoded and its
// folder counted.
inline void settle(frmMain& form, RecordingWindowHook& hook) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (form.pictureDecoding() || form.folderScanning()) {
        if (std::chrono::steady_clock::now() > deadline) {
            ADD_FAILURE() << "the viewer's threads never finished";
            return;
        }
        hook.deliverPosted(form);
        std::this_thread::yield();
    }
}

}  // namespace testsupport

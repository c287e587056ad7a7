#pragma once
// The window's pictures from the BITMAP resources of a module (the program's
// own by default). For a window of 192 DPI or more the copy drawn at 200%
// (resource_ids.h: id + TS_PICTURE_200_OFFSET) is taken where the module has it.

#include <windows.h>

#include "platform/picture_resources.h"

namespace platform {

class Win32PictureResources final : public PictureResources {
public:
    // The executable's pictures.
    Win32PictureResources() noexcept : module_(GetModuleHandleW(nullptr)) {}
    // The pictures of `module`, which outlives this object.
    explicit Win32PictureResources(HMODULE module) noexcept : module_(module) {}

    // A new 32-bit picture each call, 0x00RRGGBB, top-down; null when the
    // module has no such bitmap.
    base::Picture picture(PictureId id, int dpi) override;

private:
    HMODULE module_;
};

}  // namespace platform

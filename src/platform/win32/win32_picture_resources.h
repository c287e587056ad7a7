#pragma once
// The window's pictures from the BITMAP resources of a module (the program's
// own by default). On a screen of 192 DPI or more the copy drawn at 200%
// (id + 100) is taken where the module has it.

#include <windows.h>

#include "platform/picture_resources.h"

namespace platform {

class Win32PictureResources final : public PictureResources {
public:
    // The executable's pictures for the screen's DPI.
    Win32PictureResources();
    // The pictures of `module` (which outlives this object) for a screen of `dpi`.
    Win32PictureResources(HMODULE module, int dpi) noexcept : module_(module), dpi_(dpi) {}

    // A new 32-bit picture each call, 0x00RRGGBB, top-down; null when the
    // module has no such bitmap.
    base::Picture picture(PictureId id) override;

private:
    HMODULE module_;
    int dpi_;
};

}  // namespace platform

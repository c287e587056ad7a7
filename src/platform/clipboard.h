#pragma once
// The system clipboard: what the viewer copies for other programs.

#include <cstdint>
#include <string_view>

#include "base/bitmap.h"

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces what the clipboard holds with `text`, as Unicode text, on
    // behalf of the window `owner`. False when the clipboard could not be
    // had (another program holds it) or the memory was refused.
    virtual bool putText(uintptr_t owner, std::string_view text) = 0;
    // Replaces what the clipboard holds with `picture`'s rows ready, as a
    // device-independent bitmap. False as putText.
    virtual bool putPicture(uintptr_t owner, const base::Bitmap& picture) = 0;
};

}  // namespace platform

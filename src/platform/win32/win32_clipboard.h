#pragma once

#include "platform/clipboard.h"

namespace platform {

// The clipboard through user32: CF_UNICODETEXT and CF_DIB (24 bits a pixel,
// rows from the bottom up, as every program reads it).
class Win32Clipboard : public Clipboard {
public:
    bool putText(uintptr_t owner, std::string_view text) override;
    bool putPicture(uintptr_t owner, const base::Bitmap& picture) override;
};

}  // namespace platform

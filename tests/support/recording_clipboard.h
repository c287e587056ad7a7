#pragma once
// A clipboard that keeps what it was given.

#include <optional>
#include <string>

#include "platform/clipboard.h"

namespace testsupport {

class RecordingClipboard : public platform::Clipboard {
public:
    bool putText(uintptr_t /*owner*/, std::string_view given) override {
        text = std::string(given);
        picture.reset();
        return true;
    }
    bool putPicture(uintptr_t /*owner*/, const base::Bitmap& given) override {
        picture = Size{given.width(), given.rowsReady()};
        text.reset();
        return true;
    }

    struct Size {
        int32_t width, height;
        bool operator==(const Size&) const = default;
    };
    std::optional<std::string> text;
    std::optional<Size> picture;
};

}  // namespace testsupport

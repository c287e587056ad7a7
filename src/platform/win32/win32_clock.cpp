#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/text_conv.h"

namespace platform {

std::string Win32Clock::timeOfDay() {
    // One call into a buffer that fits every usual format; asking for the size
    // first could race with the clock turning to a longer text ("9:59" -> "10:00").
    std::string text(64, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int written = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text.data(),
                                           static_cast<int>(text.size()));
        if (written > 0) {
            text.resize(static_cast<size_t>(written - 1));  // without the NUL
            return win32::ansiToUtf8(text);
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
        text.resize(text.size() * 2);
    }
    return {};
}

}  // namespace platform

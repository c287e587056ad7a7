#pragma once

#include "platform/clock.h"

namespace platform {

// The time of day from GetTimeFormatA in the user's default locale and format.
class Win32Clock final : public Clock {
public:
    std::string timeOfDay() override;
};

}  // namespace platform

#pragma once

#include <string>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // The current time of day, without the date, in the user's time format.
    virtual std::string timeOfDay() = 0;
};

}  // namespace platform

#pragma once

#include <string>

#include "platform/clock.h"

namespace testsupport {

// A clock that always tells the time it was set to.
class FakeClock : public platform::Clock {
public:
    std::string timeOfDay() override { return time; }
    std::string time = "10:42:07";
};

}  // namespace testsupport

#include "platform/thread_priority.h"

#include <windows.h>

namespace platform {

void lowerThisThreadPriority() noexcept {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

}  // namespace platform

#pragma once
// Work that may wait for the user's (reading ahead) runs below the window's
// priority.

namespace platform {

// Lowers the calling thread's priority a step; nothing when it cannot.
void lowerThisThreadPriority() noexcept;

}  // namespace platform

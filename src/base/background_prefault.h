#pragma once
// Takes the page faults of fresh memory on a second thread.
//
// The first write to each 4 KB of freshly allocated memory faults, and a tall
// page image is tens of thousands of pages: on a virtual machine the faults
// cost more than decoding the picture. While the decoder fills the upper part
// of a new picture, another thread writes one byte to every page of the lower
// part, so the two parts fault at the same time on two cores. The decoder
// waits for it before it writes the lower part itself, so the two threads
// never write the same memory.

#include <cstddef>
#include <thread>

namespace base {

// Writes one byte to every 4 KB page of [begin, begin + bytes), here, so that
// the memory is there before it is used.
void touchPages(void* begin, size_t bytes) noexcept;

class BackgroundPrefault {
public:
    // Starts touching [begin, begin + bytes). When no thread can be started
    // (none left, or no memory for one), nothing is done: the decoder then
    // takes the faults itself.
    BackgroundPrefault(void* begin, size_t bytes) noexcept;
    BackgroundPrefault(const BackgroundPrefault&) = delete;
    BackgroundPrefault& operator=(const BackgroundPrefault&) = delete;
    // Returns once every page of the range has been touched.
    ~BackgroundPrefault();

private:
    std::thread thread_;
};

}  // namespace base

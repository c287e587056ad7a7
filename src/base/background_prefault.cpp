#include "base/background_prefault.h"

#include <exception>

namespace base {
namespace {

constexpr size_t pageBytes = 4096;

}  // namespace

void touchPages(void* begin, size_t bytes) noexcept {
    // Volatile, so that the writes are made although nothing reads them.
    volatile unsigned char* const first = static_cast<unsigned char*>(begin);
    for (size_t offset = 0; offset < bytes; offset += pageBytes) first[offset] = 0;
}

BackgroundPrefault::BackgroundPrefault(void* begin, size_t bytes) noexcept {
    if (begin == nullptr || bytes == 0) return;
    try {
        thread_ = std::thread(touchPages, begin, bytes);
    } catch (const std::exception&) {
        // No thread (std::system_error) or no memory for one (std::bad_alloc):
        // only the speed is lost.
    }
}

BackgroundPrefault::~BackgroundPrefault() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace base

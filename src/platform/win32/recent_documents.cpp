#include "platform/win32/recent_documents.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <exception>
#include <utility>

#include "platform/thread_priority.h"

namespace platform::win32 {

RecentDocuments::~RecentDocuments() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    queued_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void RecentDocuments::add(std::wstring file) {
    {
        const std::lock_guard lock(mutex_);
        files_.push_back(std::move(file));
    }
    queued_.notify_one();
    if (thread_.joinable()) return;
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::exception&) {
        // No thread: the recent documents are a convenience, the viewing is not.
    }
}

void RecentDocuments::run() noexcept {
    lowerThisThreadPriority();
    // The shell makes its shortcuts through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::unique_lock lock(mutex_);
    while (true) {
        queued_.wait(lock, [this] { return ending_ || !files_.empty(); });
        if (files_.empty()) break;
        const std::wstring file = std::move(files_.front());
        files_.pop_front();
        lock.unlock();
        SHAddToRecentDocs(SHARD_PATHW, file.c_str());
        lock.lock();
    }
    if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace platform::win32

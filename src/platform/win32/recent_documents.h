#pragma once
// The user's recent documents, told on a thread of their own: the shell
// writes a shortcut and its list for each file, which takes long enough
// (tens of milliseconds) to be felt if the window waited for it.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace platform::win32 {

class RecentDocuments {
public:
    RecentDocuments() = default;
    // Tells the shell what is queued, then ends the thread.
    ~RecentDocuments();
    RecentDocuments(const RecentDocuments&) = delete;
    RecentDocuments& operator=(const RecentDocuments&) = delete;

    // Queues `file` and returns at once; the thread starts with the first.
    void add(std::wstring file);

private:
    void run() noexcept;

    std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::wstring> files_;
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace platform::win32

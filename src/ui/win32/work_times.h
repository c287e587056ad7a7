#pragma once
// Where the window's time goes: each paint, caption and placement timed by
// piece, for the benchmarks. Off unless one turns it on; then one clock read
// at each end of a piece. The window's thread only.

#include <string>
#include <vector>

namespace ui::win32 {

struct WorkTime {
    std::string piece;
    int calls = 0;
    double milliseconds = 0;
};

class WorkTimes {
public:
    static void enable(bool on) noexcept;
    static bool enabled() noexcept;
    // What was timed since the last take, by piece, in the order first seen.
    static std::vector<WorkTime> take();
    static void add(const std::string& piece, double milliseconds);
};

// Times the scope it lives in under `piece`, when the times are on.
class TimedPiece {
public:
    explicit TimedPiece(const char* kind, const std::string& name = {});
    ~TimedPiece();
    TimedPiece(const TimedPiece&) = delete;
    TimedPiece& operator=(const TimedPiece&) = delete;

private:
    std::string piece_;
    long long start_ = 0;
};

}  // namespace ui::win32

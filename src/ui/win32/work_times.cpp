#include "ui/win32/work_times.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace ui::win32 {

namespace {

bool timesOn = false;
std::vector<WorkTime> times;

long long counterNow() noexcept {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double counterMilliseconds(long long ticks) noexcept {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

void WorkTimes::enable(bool on) noexcept { timesOn = on; }

bool WorkTimes::enabled() noexcept { return timesOn; }

std::vector<WorkTime> WorkTimes::take() { return std::exchange(times, {}); }

void WorkTimes::add(const std::string& piece, double milliseconds) {
    auto found = std::find_if(times.begin(), times.end(),
                              [&](const WorkTime& time) { return time.piece == piece; });
    if (found == times.end()) found = times.insert(times.end(), WorkTime{piece, 0, 0});
    ++found->calls;
    found->milliseconds += milliseconds;
}

TimedPiece::TimedPiece(const char* kind, const std::string& name) {
    if (!timesOn) return;
    piece_ = name.empty() ? kind : std::string(kind) + " " + name;
    start_ = counterNow();
}

TimedPiece::~TimedPiece() {
    if (piece_.empty()) return;
    try {
        WorkTimes::add(piece_, counterMilliseconds(counterNow() - start_));
    } catch (...) {
        // No memory for the figure: it is left out.
    }
}

}  // namespace ui::win32

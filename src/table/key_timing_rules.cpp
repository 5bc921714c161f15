#include "table/key_timing_rules.h"

namespace quillan {

namespace {

// An event that seems to have waited this long means the window system's clock has been
// set back or has wrapped round; the clocks are tied afresh.
constexpr std::int64_t kClockJumpMs = 60'000;

} // namespace

void KeyTiming::inputArrived(std::uint64_t stamp, std::int64_t now) {
    if (stamp == 0) {
        return;
    }
    const std::int64_t offset = now - static_cast<std::int64_t>(stamp);
    if (!offset_ || offset < *offset_ || offset - *offset_ > kClockJumpMs) {
        offset_ = offset;
    }
}

void KeyTiming::busySeen(std::int64_t now) {
    lastBusy_ = now;
}

bool KeyTiming::pressedWhileBusy(std::uint64_t stamp) const {
    if (stamp == 0 || !offset_ || !lastBusy_) {
        return false;
    }
    return static_cast<std::int64_t>(stamp) + *offset_ <= *lastBusy_;
}

} // namespace quillan

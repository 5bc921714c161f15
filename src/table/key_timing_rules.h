#pragma once
// When was a key pressed? While the table plays a card across it, it reads no input; keys
// pressed meanwhile wait in the window system's queue and arrive once the move is over. The
// window system stamps every input event with its own clock, so the time an event waited
// tells whether it was pressed while the table was busy. The two clocks are tied together by
// the quickest arrival seen: an event handled while the program is idle arrives within a
// millisecond or so of its stamp.

#include <cstdint>
#include <optional>

namespace quillan {

class KeyTiming {
  public:
    // An input event stamped `stamp` (window-system milliseconds; 0: the event carries no
    // stamp) is handled at `now` (program milliseconds).
    void inputArrived(std::uint64_t stamp, std::int64_t now);
    // The table was seen busy at `now`.
    void busySeen(std::int64_t now);
    // True when the event stamped `stamp` happened no later than the last time the table was
    // seen busy. Unstamped events, and any event before the clocks are tied, count as new.
    bool pressedWhileBusy(std::uint64_t stamp) const;

  private:
    std::optional<std::int64_t> offset_;   // program time minus stamp, the smallest seen
    std::optional<std::int64_t> lastBusy_; // program time
};

} // namespace quillan

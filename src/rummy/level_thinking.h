#pragma once
// A level's decision, worked out on another thread while the window goes on painting. The
// task holds its own copy of the view and a share of the player, so the window may go (a new
// hand, the program closing) while it thinks: the answer is then dropped and the player is
// freed when the task ends. The player is only ever used by one thread at a time: the window
// asks nothing more of it while a decision is out.

#include <functional>
#include <memory>
#include <optional>

#include "gin/seat_view_rules.h"

namespace quillan {

struct ThinkingWait {
    std::function<void()> pause;     // lets the window run for a moment
    std::function<bool()> abandoned; // true: stop waiting and drop the answer
};

// Nothing when the wait was abandoned or the player failed.
std::optional<DrawChoice> thinkDraw(std::shared_ptr<GinPlayer> player, const SeatView& view,
                                    const ThinkingWait& wait);
std::optional<TurnChoice> thinkTurn(std::shared_ptr<GinPlayer> player, const SeatView& view,
                                    const ThinkingWait& wait);

} // namespace quillan

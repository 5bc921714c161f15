#include "gin/rollout_player_rules.h"

#include "gin/knock_timing_rules.h"

namespace quillan {

TurnChoice RolloutPlayer::chooseTurn(const SeatView& view) {
    if (!holdsForGin_ || !view.knockAllowed || view.ginAllowed || timelyKnock(view)) {
        return baseline_.chooseTurn(view);
    }
    SeatView holding = view; // the Baseline's throw, the knock left aside
    holding.knockAllowed = false;
    return baseline_.chooseTurn(holding);
}

} // namespace quillan

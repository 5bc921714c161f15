#pragma once
// The quick player the Expert imagines both seats to be when it plays a hand out: the Baseline
// (it takes the reject card only when that card melds, throws the card that leaves the lowest
// deadwood, never the reject card it took), knocking at its first chance or, for the Expert's
// own later turns, when timelyKnock says so. A rollout player that took cards a good player
// would leave taught the Expert to bait it with low cards; one that plays as sound players do
// keeps the Expert's picture of the other seat honest.

#include "gin/baseline_player_rules.h"

namespace quillan {

class RolloutPlayer final : public GinPlayer {
  public:
    // `holdsForGin`: knocks only when timelyKnock says so, as the Strong level does.
    explicit RolloutPlayer(bool holdsForGin = false) : holdsForGin_(holdsForGin) {}
    DrawChoice chooseDraw(const SeatView& view) override { return baseline_.chooseDraw(view); }
    TurnChoice chooseTurn(const SeatView& view) override;

  private:
    BaselinePlayer baseline_;
    bool holdsForGin_ = false;
};

} // namespace quillan

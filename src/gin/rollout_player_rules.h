#pragma once
// The quick player the Expert imagines both seats to be when it plays a hand out: it takes
// the reject card only when that card melds, throws the card that leaves the lowest deadwood
// (never the reject card it took) and knocks as soon as the table allows. A rollout player
// that took cards a good player would leave taught the Expert to bait it with low cards; one
// that plays as sound players do keeps the Expert's picture of the other seat honest.

#include "gin/seat_view_rules.h"

namespace quillan {

class RolloutPlayer final : public GinPlayer {
  public:
    DrawChoice chooseDraw(const SeatView& view) override;
    TurnChoice chooseTurn(const SeatView& view) override;
};

} // namespace quillan

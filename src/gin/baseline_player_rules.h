#pragma once
// "Baseline": the simple player of the Gin Rummy AI competition literature, the yardstick the
// other levels are measured against (not offered at the table). It takes the face-up card only
// when that card lies in a meld of its hand plus the card, and otherwise draws; it throws the
// card that leaves the lowest deadwood (the highest card on equal deadwood), never the face-up
// card it has just taken; it knocks as soon as the table allows.

#include "gin/seat_view_rules.h"

namespace quillan {

class BaselinePlayer final : public GinPlayer {
  public:
    DrawChoice chooseDraw(const SeatView& view) override;
    TurnChoice chooseTurn(const SeatView& view) override;
};

} // namespace quillan

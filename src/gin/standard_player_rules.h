#pragma once
// "Standard": the table's own computer opponent as a seat player. It judges the reject card
// by keep values (taking it only when it is more useful than its least useful card), knocks
// at the first chance the table allows, and otherwise throws its least useful card: the same
// rules functions the window's computer turn calls, so the two make the same choices.

#include "gin/seat_view_rules.h"

namespace quillan {

class StandardPlayer final : public GinPlayer {
  public:
    DrawChoice chooseDraw(const SeatView& view) override;
    TurnChoice chooseTurn(const SeatView& view) override;
};

} // namespace quillan

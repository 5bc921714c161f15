#pragma once
// "Strong": a quick player that remembers what the other seat took, threw and passed over.
// It throws the card that best balances its deadwood, the chance that the next draws improve
// what it keeps, and the risk of feeding the other seat's melds (a card next to what the other
// seat took from the reject pile is dangerous; one next to what it threw or passed is safe);
// it takes the reject card when it melds and cuts its deadwood, or when it lets it knock at
// once; and it knocks as soon as the table allows. Well under a millisecond a decision.

#include "gin/seat_view_rules.h"

namespace quillan {

// How likely the other seat can use a card, in deadwood points (0 for a card no unseen card
// can meld with).
double feedingRisk(const SeatView& view, int card);

class StrongPlayer final : public GinPlayer {
  public:
    DrawChoice chooseDraw(const SeatView& view) override;
    TurnChoice chooseTurn(const SeatView& view) override;
};

} // namespace quillan

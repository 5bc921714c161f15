#include "gin/seat_view_rules.h"

namespace quillan {

CardSet handSet(const SeatView& view) {
    CardSet set = 0;
    for (const CardSlot& c : view.hand) {
        if (c.rank > 0) {
            set |= cardBit(c.cardvalue);
        }
    }
    return set;
}

CardSet unseenCards(const SeatView& view) {
    CardSet seen = handSet(view) | view.opponentHolds;
    for (int i = 0; i < view.reject.count; ++i) {
        seen |= cardBit(view.reject.cards[static_cast<size_t>(i)]);
    }
    return kAllCards & ~seen;
}

SeatEvent seatEventFor(Seat viewer, Seat actor, SeatEvent::Kind kind, int card) {
    SeatEvent seen;
    seen.kind = kind;
    seen.mine = viewer == actor;
    const bool hidden = !seen.mine && kind == SeatEvent::Kind::DrewStock;
    seen.card = hidden ? int16{-1} : static_cast<int16>(card);
    return seen;
}

} // namespace quillan

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

} // namespace quillan

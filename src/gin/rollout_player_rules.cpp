#include "gin/rollout_player_rules.h"

#include "gin/meld_search_rules.h"

namespace quillan {

DrawChoice RolloutPlayer::chooseDraw(const SeatView& view) {
    if (view.reject.count < 1) {
        return DrawChoice::Stock;
    }
    return inSomeMeld(handSet(view), view.reject.top()) ? DrawChoice::Reject : DrawChoice::Stock;
}

TurnChoice RolloutPlayer::chooseTurn(const SeatView& view) {
    if (view.ginAllowed) {
        return TurnChoice::gin();
    }
    if (view.knockAllowed) {
        return TurnChoice::knock();
    }
    const CardSet hand = handSet(view);
    const CardSet allowed = view.takenFromReject ? hand & ~cardBit(view.takenCard) : hand;
    int thrown = -1;
    bestDeadwoodAfterThrow(hand, allowed, &thrown);
    return TurnChoice::discard(thrown);
}

} // namespace quillan

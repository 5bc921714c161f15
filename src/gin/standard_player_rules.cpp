#include "gin/standard_player_rules.h"

#include "rummy/computer_rules.h"

namespace quillan {

DrawChoice StandardPlayer::chooseDraw(const SeatView& view) {
    if (view.reject.count < 1) {
        return DrawChoice::Stock;
    }
    CardSlot top;
    setCard(top, view.reject.top());
    return judgeRejectCard(view.hand, top, view.reject.count).take ? DrawChoice::Reject
                                                                   : DrawChoice::Stock;
}

TurnChoice StandardPlayer::chooseTurn(const SeatView& view) {
    if (view.ginAllowed) {
        return TurnChoice::gin();
    }
    if (view.knockAllowed) {
        return TurnChoice::knock();
    }
    const int slot =
        chooseComputerDiscard(std::span<const CardSlot>(view.hand.begin(), view.hand.end()));
    return TurnChoice::discard(view.hand[slot].cardvalue);
}

} // namespace quillan

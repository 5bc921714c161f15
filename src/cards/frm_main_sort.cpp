// Sorting the player's hand from the Action menu (and after each deal with auto sort).
#include "app/frm_main.h"
#include "cards/hand_sort_rules.h"
#include "table/hand_painting.h"

namespace quillan {

void FrmMain::mnuSortRank_Click() {
    trap("mnuSortRank_Click", [&] {
        sortByRank(cards.handplayer);
        layOutSortedHand(cards.handplayer, cards.cardSpacing, cards.handTop, cards.cWidth);
        refreshHand(kNoSkip, false, false);
    });
}

void FrmMain::mnuSortSuit_Click() {
    trap("mnuSortSuit_Click", [&] {
        sortBySuit(cards.handplayer);
        layOutSortedHand(cards.handplayer, cards.cardSpacing, cards.handTop, cards.cWidth);
        refreshHand(kNoSkip, false, false);
    });
}

} // namespace quillan

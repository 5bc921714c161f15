// shuffleCards: a fresh deck, ten cards to each side, the stock and the per-hand flags.
#include "app/frm_main.h"
#include "cards/deal_rules.h"

namespace quillan {

void FrmMain::shuffleCards() {
    trap("shuffleCards", [&] {
        turn.dealPending = kTrue;
        showHandPictures(false);
        shuffleDeck(
            cards.deck, [this] { platform_.randomize(); }, [this] { return platform_.rnd(); });
        dealHands(cards.deck, cards.handComputer, cards.handplayer, cards.cardSpacing,
                  cards.handTop, cards.cWidth);
        DrawDealDeck();
        buildStock(cards.deck, isSet(settings.isPoker), cards.stock);
        refreshHandPictures();
        cards.rejectPile.reset();
        turn.playerHoldsDraw = kFalse;
        turn.stockExhausted = kFalse;
        table.dealPileStage = 0;
        for (CardSlot& slot : cards.handComputer) {
            slot.keepValue = 0;
        }
        turn.computerTurn = kFalse;
        turn.handOver = kFalse;
    });
}

} // namespace quillan

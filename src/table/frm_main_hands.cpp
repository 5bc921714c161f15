// The two hands: refreshHand is the one way a hand picture is repainted.
#include "app/frm_main.h"
#include "table/game_back.h"
#include "table/hand_painting.h"
#include "table/table_canvas.h"

namespace quillan {

void FrmMain::refreshHand(int16 skipIndex, bool hideSkipped, bool isComputer) {
    trap("refreshHand", [&] {
        HandPaintRequest request;
        request.skipIndex = skipIndex;
        request.hideSkipped = hideSkipped;
        request.isComputer = isComputer;
        request.playerHoldsDraw = isSet(turn.playerHoldsDraw);
        request.showComputerFaces = !isSet(settings.prfShowHide);
        request.dealInProgress = isSet(turn.dealInProgress);
        Surface& hand = isComputer ? table.picComputerHand : table.picPlayerHand;
        const Surface& clean = isComputer ? table.picComputerBack : table.picPlayerBack;
        const HandPaintResult result = paintHand(hand.picture(), &clean.picture(),
                                                 isComputer ? cards.handComputer : cards.handplayer,
                                                 request, cardLibrary_, rummyBack(*this));
        if (result.raisedSlot != kNoRaisedSlot) {
            table.raisedSlot = result.raisedSlot;
        }
        if (result.painted) {
            ui.table->repaintNow(hand.rect());
        }
    });
}

void FrmMain::showHandPictures(bool visible) {
    table.picPlayerHand.setVisible(visible);
    table.picComputerHand.setVisible(visible);
}

void FrmMain::refreshHandPictures() {
    redrawHandsInPlace();
}

// Both hands where they are: the computer's face up or as backs, the player's face up.
void FrmMain::redrawHandsInPlace() {
    if (isSet(settings.isPoker)) {
        return;
    }
    refreshHand(kNoSkip, false, true);
    refreshHand(kNoSkip, false, false);
}

} // namespace quillan

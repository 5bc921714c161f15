// Minimal forms of procedures that belong to the Gin Rummy, score and desktop parts of the
// window. Each does the least that keeps the program starting, switching games, dealing
// and closing correctly; each moves to its own folder, with its full behaviour, when that
// part of the window is built.
#include "app/frm_main.h"
#include "table/hand_painting.h"

namespace quillan {

// Until sorting and the analysis exist the player's hand is shown in its dealt order.
void FrmMain::mnuSortRank_Click() {
    refreshHand(kNoSkip, false, false);
}
void FrmMain::analyseHand(Hand& hand) {
    if (&hand == &cards.handplayer) {
        refreshHand(kNoSkip, false, false);
    }
}
void FrmMain::ComputerTurn() {
    turn.computerTurn = kFalse;
}
void FrmMain::showDesktopCover() {}

} // namespace quillan

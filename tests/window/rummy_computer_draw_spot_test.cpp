// The computer's draw spot on the real window: a card the computer has taken shows there
// only until it joins the computer's hand or is thrown; then the spot shows its empty mark.
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

class ComputerDrawSpot : public RummyWindowTest {
  protected:
    static QImage spotShown(FrmMain& w) {
        return w.ui.table->composed().copy(w.table.picComputerDraw.rect()).toImage();
    }
};

} // namespace

TEST_F(ComputerDrawSpot, ShowsItsEmptyMarkOnceTheDrawnCardHasMovedOn) {
    FrmMain& w = game();
    const QImage empty = spotShown(w);
    // Turns where the computer draws from the Deck, and turns where it takes the discard.
    for (int turn = 0; turn < 4; ++turn) {
        if (turn % 2 == 0) {
            clickAt(w, centreOf(w.table.picDeal[0]));
        } else {
            clickAt(w, centreOf(w.table.picReject));
        }
        ASSERT_EQ(w.turn.playerHoldsDraw, kTrue) << turn;
        clickCard(w, turn % 10);
        if (isSet(w.turn.handOver)) {
            break;
        }
        EXPECT_FALSE(w.table.picComputerDraw.isVisible()) << turn;
        EXPECT_EQ(spotShown(w), empty) << "turn " << turn;
    }
}

TEST_F(ComputerDrawSpot, IsEmptyAfterTheComputerKnocks) {
    FrmMain& w = game();
    const QImage empty = spotShown(w);
    // The computer can knock with deadwood 1 once it takes the jack of spades.
    setCards(w.cards.handComputer, "2C 3C 4C 7D 7H 7S 9S TS AH 2H");
    setCards(w.cards.handplayer, "AD 3D 5H 8C TD QC 2S 4S 6D 8H");
    analyseBoth(w);
    clickAt(w, centreOf(w.table.picDeal[0]));
    copyCard(w.cards.handplayer[10], quillan::test::card("JS")); // the card the player throws
    clickAt(w, centreOf(w.table.picPlayerDraw));
    ASSERT_TRUE(isSet(w.turn.handOver));
    ASSERT_EQ(label(w.ui.lblKnock), "Computer Knocks");
    EXPECT_EQ(spotShown(w), empty);
}

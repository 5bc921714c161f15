// The Gin Rummy table laid out again in the middle of a hand (a card spacing typed into the
// Preferences, a new background): the deal pile keeps showing after every card move, a card
// held on a draw spot is still painted there, and a spacing typed while Video Poker was on
// the table never lays a later Gin Rummy hand out again.
#include <QScreen>

#include "prefs/card_spacing_change.h"
#include "support/rummy_window_fixture.h"
#include "table/pile_drawing_rules.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

class RebuiltTable : public RummyWindowTest {
  protected:
    // What the screen shows (the window's last painted image) at a point of the deal
    // pile's top picture.
    static QRgb shownAt(FrmMain& w, QPoint inPile) {
        const QPoint table = w.ui.table->mapTo(&w, QPoint(0, 0));
        const QPixmap screen = w.screen()->grabWindow(w.winId());
        return pixel(screen, table.x() + w.table.picDeal[0].pos().x() + inPile.x(),
                     table.y() + w.table.picDeal[0].pos().y() + inPile.y());
    }
    // What the screen shows of a one-card place, its rounded corners left out.
    static QImage cardShownAt(FrmMain& w, const Surface& place) {
        return w.ui.table->composed().copy(place.rect().adjusted(6, 6, -6, -6)).toImage();
    }
    static void typeSpacing(FrmMain& w, int16 spacing) {
        w.settings.prfCardSpace = spacing;
        w.spaceChanged = kTrue;
        applyCardSpacingChange(w);
    }
};

} // namespace

TEST_F(RebuiltTable, TheDealPileShowsAfterEveryDrawFromTheDeck) {
    FrmMain& w = game();
    w.settings.prfAnimation = kTrue;
    w.settings.prfAnimationDelay = 0;
    typeSpacing(w, 20);
    ASSERT_EQ(w.cards.cardSpacing, 20);
    const QPoint middle(35, 48); // covered by every stage of the pile
    const QRgb cloth = pixel(w.table.thePic, w.table.picDeal[0].pos().x() + middle.x(),
                             w.table.picDeal[0].pos().y() + middle.y());
    ASSERT_NE(shownAt(w, middle), cloth);
    for (int turn = 0; turn < 3; ++turn) {
        clickAt(w, centreOf(w.table.picDeal[0]));
        ASSERT_EQ(w.turn.playerHoldsDraw, kTrue) << turn;
        const int stage = dealPileStageFor(w.cards.stock.upperBound() + 1);
        EXPECT_TRUE(w.table.picDeal[static_cast<size_t>(stage)].isVisible()) << turn;
        EXPECT_NE(shownAt(w, middle), cloth) << "after the take of turn " << turn;
        clickCard(w, 0);
        EXPECT_NE(shownAt(w, middle), cloth) << "after the computer's turn " << turn;
    }
}

TEST_F(RebuiltTable, ASpacingTypedInVideoPokerIsNotAppliedLaterInGinRummy) {
    FrmMain& w = game();
    w.mnuPoker_Click();
    ASSERT_TRUE(isSet(w.settings.isPoker));
    typeSpacing(w, 30); // typed while Video Poker was on the table
    EXPECT_EQ(w.spaceChanged, kFalse);
    w.mnuPlayRummy_Click();
    const Hand hand = w.cards.handplayer;
    const int16 spacing = w.cards.cardSpacing;
    applyCardSpacingChange(w); // the dialog opened again in Gin Rummy, nothing typed
    EXPECT_EQ(w.cards.cardSpacing, spacing);
    EXPECT_EQ(w.cards.handplayer, hand);
}

TEST_F(RebuiltTable, TheCardThePlayerHoldsStillShowsOnItsSpot) {
    FrmMain& w = game();
    clickAt(w, centreOf(w.table.picDeal[0]));
    ASSERT_EQ(w.turn.playerHoldsDraw, kTrue);
    const QImage taken = cardShownAt(w, w.table.picPlayerDraw);
    for (const int16 spacing : {10, 25}) {
        typeSpacing(w, spacing);
        ASSERT_EQ(w.cards.cardSpacing, spacing);
        EXPECT_TRUE(w.table.picPlayerDraw.isVisible()) << spacing;
        EXPECT_EQ(cardShownAt(w, w.table.picPlayerDraw), taken) << "spacing " << spacing;
    }
    w.mnuBackgoundSelected_Click(0);
    EXPECT_EQ(cardShownAt(w, w.table.picPlayerDraw), taken) << "a new background";
    clickAt(w, centreOf(w.table.picPlayerDraw)); // the card shown is the card thrown
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
}

TEST_F(RebuiltTable, TheCardTheComputerWentGinWithStillShowsOnItsSpot) {
    FrmMain& w = game();
    setCards(w.cards.handComputer, "AC 2C 3C 4H 5H 6H 9S 9D 9H KD");
    setCards(w.cards.handplayer, "2S 4C 6D 8S TS 2D 4S 6C 8H JD");
    setRejectTop(w, "QS");
    analyseBoth(w);
    clickAt(w, centreOf(w.table.picReject));
    setStockTop(w, "9C");
    clickCard(w, 9); // the computer draws 9C and goes gin
    ASSERT_EQ(w.turn.handOver, kTrue);
    ASSERT_TRUE(w.table.picComputerDraw.isVisible());
    const QImage gin = cardShownAt(w, w.table.picComputerDraw);
    w.mnuBackgoundSelected_Click(0);
    EXPECT_TRUE(w.table.picComputerDraw.isVisible());
    EXPECT_EQ(cardShownAt(w, w.table.picComputerDraw), gin);
    EXPECT_FALSE(w.table.picPlayerDraw.isVisible()); // the player holds no card
}

// A hand that ended as a tie: once the computer has announced it, a click on either pile
// asks the tie question again, the Deck as well as the Reject stack.
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

class TieQuestion : public RummyWindowTest {
  protected:
    // The player draws the card that leaves two in the stock, answers No, and discards;
    // the computer's draw then announces the tie.
    void playIntoTheTie(FrmMain& w) {
        w.cards.stock.resizeKeep(2);
        platform.yesNoAnswers = {false};
        clickAt(w, centreOf(w.table.picDeal[0]));
        clickCard(w, 0);
    }
};

const QString kDeckQuestion =
    QStringLiteral("The Deck is down to 2 cards.\nThe game is a tie\nStart a new game?");

} // namespace

TEST_F(TieQuestion, AClickOnTheDeckAfterTheAnnouncedTieAsksAgain) {
    FrmMain& w = game();
    setCards(w.cards.handComputer, "7H 7D AC 3S 5D 9C JH KS 2H QC");
    setCards(w.cards.handplayer, "6S 4C 6H 8D TS 2D 4S 6C 8H TD");
    analyseBoth(w);
    playIntoTheTie(w);
    ASSERT_EQ(platform.messages, QStringList{"The game is a tie"});
    ASSERT_TRUE(isSet(w.turn.handOver));
    ASSERT_EQ(platform.questions.size(), 1);

    platform.yesNoAnswers = {false};
    clickAt(w, centreOf(w.table.picDeal[0]));
    ASSERT_EQ(platform.questions.size(), 2);
    EXPECT_EQ(platform.questions[1], kDeckQuestion);
    EXPECT_EQ(w.cards.stock.upperBound(), 2); // No: nothing taken, the hand stays over
    EXPECT_TRUE(isSet(w.turn.handOver));

    platform.yesNoAnswers = {true};
    clickAt(w, centreOf(w.table.picDeal[0]));
    EXPECT_EQ(platform.questions.size(), 3);
    EXPECT_FALSE(isSet(w.turn.handOver)); // Yes: a new hand
    EXPECT_FALSE(isSet(w.turn.stockExhausted));
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
}

TEST_F(TieQuestion, AClickOnTheDeckWhileTheTieIsPendingAsksAgain) {
    FrmMain& w = game();
    w.cards.stock.resizeKeep(2);
    platform.yesNoAnswers = {false, false};
    clickAt(w, centreOf(w.table.picDeal[0]));
    clickAt(w, centreOf(w.table.picDeal[0])); // still to discard; the pile is asked again
    ASSERT_EQ(platform.questions.size(), 2);
    EXPECT_EQ(platform.questions[1], kDeckQuestion);
    EXPECT_TRUE(isSet(w.turn.playerHoldsDraw));
}

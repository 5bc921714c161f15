// Gin Rummy from the keyboard: D and R take as clicks on the piles do, Left and Right raise
// the cards in turn (the drawn card too), Enter and Space discard the raised card, Home and
// End send the chosen card to an end before taking, K knocks as the menu does; and no key
// does anything while the computer plays or a hand is dealt. Once a hand has ended, Enter or
// Space plays again.
#include <QAction>

#include "support/key_typing.h"
#include "support/rummy_window_fixture.h"
#include "table/hand_painting.h"
#include "table/key_marker.h"
#include "table/keyboard_play.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::RummyWindowTest;
using quillan::test::typeKey;
using quillan::test::typeKeys;

namespace {

class RummyKeys : public RummyWindowTest {
  protected:
    static const KeyMarker* marker(FrmMain& w) {
        return w.ui.table->findChild<const KeyMarker*>(QStringLiteral("keyMarker"));
    }
    static int chosen(FrmMain& w) { return w.findChild<const KeyboardPlay*>()->chosenCard(); }
    // The marker's tip lies over the span [left, right) of the table.
    static bool markerOver(FrmMain& w, int left, int right) {
        const KeyMarker* m = marker(w);
        const int tip = m->geometry().center().x();
        return m->isVisible() && tip > left && tip < right &&
               m->geometry().bottom() < w.table.picPlayerHand.pos().y() + w.cards.handTop;
    }
    static bool markerOverSlot(FrmMain& w, int slot) {
        const int left = w.table.picPlayerHand.pos().x() + w.cards.handplayer[slot].x;
        return markerOver(w, left, left + w.cards.cardSpacing);
    }
    static std::string order(const Hand& hand) {
        std::string out;
        for (int i = 0; i < 10; ++i) {
            out += (i ? " " : "") + quillan::test::name(hand[i]);
        }
        return out;
    }
};

} // namespace

TEST_F(RummyKeys, DTakesFromTheDeckAndTheNextRightRaisesTheFirstCard) {
    FrmMain& w = game();
    setStockTop(w, "KS");
    typeKey(w, Qt::Key_D);
    EXPECT_EQ(w.cards.handplayer[10].cardvalue, card("KS").cardvalue);
    EXPECT_EQ(w.cards.stock.upperBound(), 29);
    EXPECT_EQ(w.turn.playerHoldsDraw, kTrue);
    EXPECT_EQ(status(w), "Click a card to discard");
    typeKeys(w, {Qt::Key_D, Qt::Key_R}); // a second take is refused, as a second click is
    EXPECT_EQ(w.cards.stock.upperBound(), 29);
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 1);
    typeKey(w, Qt::Key_Return); // nothing chosen yet: nothing is thrown
    EXPECT_EQ(w.turn.playerHoldsDraw, kTrue);

    typeKey(w, Qt::Key_Right);
    EXPECT_EQ(w.table.raisedSlot, 0); // drawn raised, as under the pointer
    EXPECT_FALSE(marker(w)->isVisible());
    typeKeys(w, {Qt::Key_Right, Qt::Key_Right});
    EXPECT_EQ(w.table.raisedSlot, 2);
    const CardSlot third = w.cards.handplayer[2];
    typeKey(w, Qt::Key_Space);
    EXPECT_EQ(w.cards.handplayer[2].cardvalue, card("KS").cardvalue);
    EXPECT_EQ(w.cards.handplayer[2].x, third.x);
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.turn.computerTurn, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31); // it replied
    EXPECT_EQ(chosen(w), -1);
}

TEST_F(RummyKeys, LeftFromNothingChoosesTheDrawnCardAndEnterThrowsItBack) {
    FrmMain& w = game();
    const Hand before = w.cards.handplayer;
    const CardSlot upcard = w.cards.rejectPile[1];
    typeKey(w, Qt::Key_R);
    EXPECT_EQ(w.cards.handplayer[10].cardvalue, upcard.cardvalue);
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 0);
    typeKey(w, Qt::Key_Left); // the eleventh card: the one just taken
    EXPECT_EQ(chosen(w), 10);
    EXPECT_EQ(w.table.raisedSlot, kNoRaisedSlot);
    const Surface& drawn = w.table.picPlayerDraw;
    EXPECT_TRUE(markerOver(w, drawn.pos().x(), drawn.pos().x() + drawn.size().width()));
    typeKey(w, Qt::Key_Left);
    EXPECT_EQ(w.table.raisedSlot, 9);
    EXPECT_FALSE(marker(w)->isVisible());
    typeKey(w, Qt::Key_Right); // and round again to the drawn card
    EXPECT_EQ(chosen(w), 10);
    typeKey(w, Qt::Key_Return);
    EXPECT_FALSE(marker(w)->isVisible());
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(w.cards.handplayer[i], before[i]) << i;
    }
}

TEST_F(RummyKeys, HomeAndEndSendTheChosenCardToAnEndWhicheverButtonsAreSwapped) {
    FrmMain& w = game();
    setCards(w.cards.handplayer, "4C 9D 5C 6C 7C 8C KH 2S JD 3H");
    typeKeys(w, {Qt::Key_Home, Qt::Key_End}); // nothing chosen: nothing moves
    EXPECT_EQ(order(w.cards.handplayer), "4C 9D 5C 6C 7C 8C KH 2S JD 3H");
    typeKeys(w, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    EXPECT_EQ(chosen(w), 4);
    EXPECT_TRUE(markerOverSlot(w, 4)); // no card rises before taking: a marker shows it
    EXPECT_EQ(w.table.raisedSlot, kNoRaisedSlot);
    typeKey(w, Qt::Key_Home);
    EXPECT_EQ(order(w.cards.handplayer), "7C 4C 9D 5C 6C 8C KH 2S JD 3H");
    EXPECT_TRUE(markerOverSlot(w, 0)); // the choice goes with the card
    typeKey(w, Qt::Key_End);
    EXPECT_EQ(order(w.cards.handplayer), "4C 9D 5C 6C 8C KH 2S JD 3H 7C");
    EXPECT_EQ(chosen(w), 9);
    w.settings.prfMouseRightLeft = kFalse;     // swapped buttons: the keys keep their ends
    typeKeys(w, {Qt::Key_Right, Qt::Key_End}); // round to slot 0, then to the right end
    EXPECT_EQ(order(w.cards.handplayer), "9D 5C 6C 8C KH 2S JD 3H 7C 4C");
    typeKeys(w, {Qt::Key_Left, Qt::Key_Home});
    EXPECT_EQ(order(w.cards.handplayer), "7C 9D 5C 6C 8C KH 2S JD 3H 4C");
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 1); // nothing was discarded or taken
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);

    typeKey(w, Qt::Key_D); // taking ends the choice made before it
    EXPECT_EQ(chosen(w), -1);
    EXPECT_FALSE(marker(w)->isVisible());
    typeKey(w, Qt::Key_Home); // no ends while a discard is due
    EXPECT_EQ(order(w.cards.handplayer), "7C 9D 5C 6C 8C KH 2S JD 3H 4C");
}

TEST_F(RummyKeys, KKnocksAsTheMenuDoesAndTheMenuShowsTheKey) {
    FrmMain& w = game();
    EXPECT_EQ(w.menus.mnuKnock->text(), "Knock");
    EXPECT_EQ(w.menus.mnuKnock->shortcut(), QKeySequence(Qt::Key_K));
    EXPECT_EQ(w.menus.mnuStart->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(typeKey(w, Qt::Key_K).overrideTaken); // the shortcut never fires by itself
    EXPECT_EQ(platform.messages, QStringList{"Knock before you discard"});
    setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D 9H 3D");
    setRejectTop(w, "2D");
    analyseBoth(w);
    typeKey(w, Qt::Key_R);
    typeKey(w, Qt::Key_K);
    EXPECT_EQ(w.turn.handOver, kTrue);
    EXPECT_TRUE(w.ui.Frame1->isVisible());
    EXPECT_EQ(w.cards.rejectPile[w.cards.rejectPile.upperBound()].cardvalue, card("3D").cardvalue);
    const long pile = w.cards.rejectPile.upperBound();
    typeKeys(w, {Qt::Key_D, Qt::Key_R, Qt::Key_Right}); // the hand is over
    EXPECT_EQ(w.cards.rejectPile.upperBound(), pile);
    EXPECT_EQ(chosen(w), -1);
}

TEST_F(RummyKeys, EnterOrSpaceOnTheScorePanelPlaysAgain) {
    FrmMain& w = game();
    for (const int key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) {
        w.turn.computerTurn = kFalse;
        w.turn.playerHoldsDraw = kFalse;
        setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D 9H 3D");
        setRejectTop(w, "2D");
        analyseBoth(w);
        typeKeys(w, {Qt::Key_R, Qt::Key_K});
        ASSERT_EQ(w.turn.handOver, kTrue);
        ASSERT_TRUE(w.ui.Frame1->isVisible());
        EXPECT_TRUE(typeKey(w, key).overrideTaken);
        EXPECT_FALSE(w.ui.Frame1->isVisible()) << key;
        EXPECT_EQ(w.turn.handOver, kFalse) << key;
        EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31) << key;
        const Hand dealt = w.cards.handplayer;
        typeKey(w, key); // the next hand is under way: the key deals nothing more
        EXPECT_EQ(w.cards.handplayer, dealt) << key;
    }
}

TEST_F(RummyKeys, NoKeyActsWhileTheComputerPlaysOrAHandIsDealt) {
    FrmMain& w = game();
    typeKey(w, Qt::Key_D);
    int typed = 0;
    platform.onDelay = [&](int) {
        if (isSet(w.turn.computerTurn) || isSet(w.turn.dealInProgress)) {
            ++typed;
            typeKeys(w, {Qt::Key_D, Qt::Key_R, Qt::Key_Right, Qt::Key_Left, Qt::Key_Home,
                         Qt::Key_Return, Qt::Key_K});
        }
    };
    clickCard(w, 0); // thrown by the mouse: the computer's turn follows at once
    ASSERT_GT(typed, 0);
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
    EXPECT_EQ(chosen(w), -1);

    typed = 0;
    w.cmdPlayAgain_Click(); // a new hand; the computer opens it
    platform.onDelay = nullptr;
    ASSERT_GT(typed, 0);
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(RummyKeys, KeysWithAModifierOrOfTheOtherGameLeaveTheHandAlone) {
    FrmMain& w = game();
    typeKey(w, Qt::Key_D, 0, Qt::ShiftModifier);
    typeKey(w, Qt::Key_R, 0, Qt::AltModifier);
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_FALSE(typeKey(w, Qt::Key_X).overrideTaken); // not a game key: left to the menus
    typeKeys(w, {Qt::Key_1, Qt::Key_2});               // poker keys in Gin Rummy
    EXPECT_EQ(w.cards.stock.upperBound(), 30);
}

// The player's turn and the computer's reply on the real window: taking from either pile,
// discarding by pointing and clicking, the computer's take-or-draw choice, and the tie.
#include <QAction>

#include "support/rummy_window_fixture.h"
#include "table/hand_painting.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::RummyWindowTest;

namespace {

using TurnFlow = RummyWindowTest;

bool holds(const Hand& hand, const std::string& text) {
    const int16 value = card(text).cardvalue;
    for (int i = 0; i <= 10; ++i) {
        if (hand[i].rank > 0 && hand[i].cardvalue == value) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST_F(TurnFlow, DrawFromTheDeckAndDiscardByClickingTheRaisedCard) {
    FrmMain& w = game();
    setStockTop(w, "KS");
    const CardSlot third = w.cards.handplayer[3];
    clickAt(w, centreOf(w.table.picDeal[0]));
    EXPECT_EQ(w.cards.handplayer[10].cardvalue, card("KS").cardvalue);
    EXPECT_EQ(w.cards.stock.upperBound(), 29);
    EXPECT_EQ(w.turn.playerHoldsDraw, kTrue);
    EXPECT_EQ(status(w), "Click a card to discard");
    EXPECT_TRUE(w.table.picPlayerDraw.isVisible());
    ASSERT_FALSE(platform.sounds.isEmpty());
    EXPECT_TRUE(platform.sounds.first().endsWith("wavs/deal.wav"));

    clickAt(w, centreOf(w.table.picDeal[0])); // a second take is refused
    EXPECT_EQ(w.cards.stock.upperBound(), 29);
    clickAt(w, centreOf(w.table.picReject));
    EXPECT_EQ(w.cards.handplayer[10].cardvalue, card("KS").cardvalue);

    platform.sounds.clear();
    clickCard(w, 3);
    EXPECT_EQ(w.table.raisedSlot, kNoRaisedSlot);
    EXPECT_EQ(w.cards.handplayer[3].cardvalue, card("KS").cardvalue);
    EXPECT_EQ(w.cards.handplayer[3].x, third.x); // the taken card fills the discard's place
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.turn.computerTurn, kFalse);
    EXPECT_EQ(w.turn.gameStarted, kTrue);
    EXPECT_TRUE(platform.sounds.first().endsWith("wavs/drop.wav"));
    // The computer replied: it took the discard or drew, then threw a card.
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
    EXPECT_EQ(status(w), "Playing Standard Gin Rummy.");
    EXPECT_FALSE(w.table.picPlayerDraw.isVisible());

    clickAt(w, centreOf(w.table.picDeal[0])); // the hint is shown once only
    EXPECT_NE(status(w), "Click a card to discard");
}

TEST_F(TurnFlow, TakingTheRejectCardAndThrowingItBackLeavesTheHandAsItWas) {
    FrmMain& w = game();
    Hand before = w.cards.handplayer;
    const CardSlot upcard = w.cards.rejectPile[1];
    clickAt(w, centreOf(w.table.picReject));
    EXPECT_EQ(w.cards.handplayer[10].cardvalue, upcard.cardvalue);
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 0);
    EXPECT_NE(status(w), "Click a card to discard"); // only after a take from the Deck
    clickAt(w, centreOf(w.table.picPlayerDraw));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(w.cards.handplayer[i], before[i]) << i;
    }
}

TEST_F(TurnFlow, TheComputerTakesTheDiscardExactlyWhenItMakesAMeld) {
    FrmMain& w = game();
    setCards(w.cards.handComputer, "7H 7D AC 3S 5D 9C JH KS 2H QC");
    setCards(w.cards.handplayer, "7S 4C 6H 8D TS 2D 4S 6C 8H TD");
    setRejectTop(w, "QD");
    analyseBoth(w);
    clickAt(w, centreOf(w.table.picReject)); // take QD
    clickCard(w, 0);                         // throw 7S: the computer takes it
    EXPECT_TRUE(holds(w.cards.handComputer, "7S"));
    EXPECT_EQ(w.cards.stock.upperBound(), 30);
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 1);
    EXPECT_NE(w.cards.rejectPile[1].cardvalue, card("7S").cardvalue); // it threw another

    clickAt(w, centreOf(w.table.picReject)); // the player takes the computer's throw
    const int slot = 1;
    const CardSlot unconnected = w.cards.handplayer[slot];
    clickCard(w, slot);
    EXPECT_EQ(w.cards.stock.upperBound(), 29); // an unwanted card: the computer drew
    EXPECT_FALSE(holds(w.cards.handComputer, quillan::test::name(unconnected)));
}

TEST_F(TurnFlow, ClicksOutOfTurnChangeNothing) {
    FrmMain& w = game();
    const Hand hand = w.cards.handplayer;
    w.turn.computerTurn = kTrue;
    clickAt(w, centreOf(w.table.picDeal[0]));
    clickAt(w, centreOf(w.table.picReject));
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound(), 30);
    w.turn.computerTurn = kFalse;
    w.PlayerKnock(); // nothing drawn yet
    EXPECT_EQ(platform.messages, QStringList{"Knock before you discard"});
    clickAt(w, centreOf(w.table.picPlayerDraw)); // no drawn card to throw
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 1);
    EXPECT_EQ(w.cards.handplayer, hand);
}

TEST_F(TurnFlow, ADrawThatLeavesTwoCardsIsATie) {
    FrmMain& w = game();
    setCards(w.cards.handComputer, "7H 7D AC 3S 5D 9C JH KS 2H QC");
    setCards(w.cards.handplayer, "6S 4C 6H 8D TS 2D 4S 6C 8H TD");
    analyseBoth(w);
    w.cards.stock.resizeKeep(2);
    platform.yesNoAnswers = {false};
    clickAt(w, centreOf(w.table.picDeal[0]));
    EXPECT_EQ(w.turn.stockExhausted, kTrue);
    EXPECT_EQ(w.cards.stock.upperBound(), 2); // the card is copied, the stock stays
    ASSERT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(platform.questions[0],
              "The Deck is down to 2 cards.\nThe game is a tie\nStart a new game?");
    clickCard(w, 0); // No: the player still discards; the computer announces the tie
    EXPECT_EQ(platform.messages, QStringList{"The game is a tie"});
    EXPECT_EQ(w.turn.handOver, kTrue);
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 2); // the computer threw nothing

    platform.yesNoAnswers = {true};
    clickAt(w, centreOf(w.table.picReject)); // a pile click asks again; Yes deals anew
    EXPECT_EQ(platform.questions.last(), "The game is a tie..");
    EXPECT_EQ(w.turn.handOver, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
}

TEST_F(TurnFlow, TheComputerNeverDrawsTheLastTwoCards) {
    FrmMain& w = game();
    setCards(w.cards.handComputer, "7H 7D AC 3S 5D 9C JH KS 2H QC");
    setRejectTop(w, "6S"); // thrown back at once: of no use to the computer
    analyseBoth(w);
    w.cards.stock.resizeKeep(1);
    clickAt(w, centreOf(w.table.picReject));
    clickAt(w, centreOf(w.table.picPlayerDraw));
    EXPECT_EQ(platform.messages, QStringList{"The game is a tie"});
    EXPECT_EQ(w.cards.stock.upperBound(), 1);
}

TEST_F(TurnFlow, NewHandOrGameSwitchChosenDuringTheComputersTurnWaitsForIt) {
    FrmMain& w = game();
    clickAt(w, centreOf(w.table.picDeal[0]));
    int tries = 0;
    platform.onDelay = [&](int) {
        if (isSet(w.turn.computerTurn) && tries == 0) {
            ++tries;
            w.mnuPlayRummy_Click(); // menu commands run during the computer's waits
            w.mnuPoker_Click();
        }
    };
    clickCard(w, 3);
    platform.onDelay = nullptr;
    ASSERT_EQ(tries, 1);
    EXPECT_FALSE(isSet(w.settings.isPoker));
    EXPECT_FALSE(w.handBeingPlayed());
    // Still the same hand: no new deal, every card in exactly one place.
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
    const Hand before = w.cards.handplayer;
    w.mnuPlayRummy_Click(); // once the turn is over a new hand starts as usual
    EXPECT_NE(w.cards.handplayer, before);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
}

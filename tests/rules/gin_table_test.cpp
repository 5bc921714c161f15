// The engine's hand on hand-made deals: each figure below is worked out by hand from the
// table's rules (the analysis, lay-offs, gin bonus, undercut, the knock limit and the tie).
#include <gtest/gtest.h>

#include "gin/gin_play_rules.h"
#include "gin/standard_player_rules.h"
#include "rules/gin_test_table.h"

namespace quillan::test {
namespace {

// The computer holds Q-Q-Q and 5-6-7 of spades, unmatched 7H 8H TD KS (35 points).
const char* kComputerHand = "QD QH QS 5S 6S 7S 7H 8H TD KS";
// The person holds 4-5-6 of hearts, three nines and J-Q-K of clubs, and 3S.
const char* kPlayerHand = "4H 5H 6H 9C 9D 9S JC QC KC 3S";

HandSetup setupOf(const DeckOrder& deck, RummyVariant variant, Seat leader = Seat::Player) {
    HandSetup s;
    s.deck = deck;
    s.variant = variant;
    s.leader = leader;
    return s;
}

TEST(GinTable, DealGivesTenCardsEachAndTurnsUpTheTopOfTheStock) {
    GinTable t(setupOf(deckOf(kComputerHand, kPlayerHand, "AS", "4C"), RummyVariant::Standard));
    EXPECT_EQ(t.stockCount(), 31);
    EXPECT_EQ(t.rejectPile().count, 1);
    EXPECT_EQ(t.rejectPile().top(), card("AS").cardvalue);
    EXPECT_EQ(names(std::span<const CardSlot>(t.hand(Seat::Player).begin(), 10)), kPlayerHand);
    EXPECT_EQ(t.toAct(), Seat::Player);
    EXPECT_EQ(t.decision(), Decision::Draw);
}

// Knock with 3 (3S; 4C thrown): the computer lays 7H and 8H off on 4-5-6 of hearts, 20 left.
TEST(GinTable, PlayerKnockLaysOffOntoTheKnockersRunAndScoresTheDifference) {
    GinTable t(setupOf(deckOf(kComputerHand, kPlayerHand, "AS", "4C"), RummyVariant::Standard));
    ASSERT_EQ(t.draw(DrawChoice::Stock), MoveError::None);
    const SeatView v = t.view(Seat::Player);
    EXPECT_EQ(v.takenCard, card("4C").cardvalue);
    EXPECT_TRUE(v.knockAllowed);
    ASSERT_EQ(t.turn(TurnChoice::knock()), MoveError::None);
    const HandOutcome& o = t.outcome();
    EXPECT_EQ(o.ending, HandEndingKind::Knock);
    EXPECT_EQ(o.knocker, Seat::Player);
    EXPECT_EQ(o.panel.playerDeadwood, 3);
    EXPECT_EQ(o.panel.computerDeadwood, 20);
    EXPECT_EQ(o.playerPoints, 17);
    EXPECT_EQ(o.computerPoints, 0);
    EXPECT_EQ(t.rejectPile().top(), card("4C").cardvalue); // the knock throws the high card
}

// Knock with 4 against a computer holding 4 (4C beside three melds): equal counts undercut.
TEST(GinTable, EqualDeadwoodIsAnUndercutThatCostsTheKnocker25) {
    const DeckOrder deck =
        deckOf("QD QH QS 5S 6S 7S 2D 3D 4D 4C", "4H 5H 6H 9C 9D 9S JC QC KC 4S", "AS", "5C");
    GinTable t(setupOf(deck, RummyVariant::Standard));
    t.draw(DrawChoice::Stock);
    ASSERT_EQ(t.turn(TurnChoice::knock()), MoveError::None);
    const HandOutcome& o = t.outcome();
    EXPECT_EQ(o.ending, HandEndingKind::Undercut);
    EXPECT_EQ(o.panel.playerDeadwood, 4);
    EXPECT_EQ(o.panel.computerDeadwood, 4);
    EXPECT_EQ(o.playerPoints, -25); // the knocker's bank pays; the defender's does not change
    EXPECT_EQ(o.computerPoints, 0);
    Seat winner = Seat::Player;
    ASSERT_TRUE(handWinner(o, winner));
    EXPECT_EQ(winner, Seat::Computer);
}

// Simple: only gin ends a hand. A knock with 3 is refused; 3H then completes gin
// (it extends 4-5-6 of hearts), worth 25 and the computer's 35, nothing laid off.
TEST(GinTable, SimpleRefusesAKnockAndScoresGinWithTheBonus) {
    {
        GinTable t(setupOf(deckOf(kComputerHand, kPlayerHand, "AS", "4C"), RummyVariant::Simple));
        EXPECT_EQ(t.maxDeadwood(), 0);
        t.draw(DrawChoice::Stock);
        EXPECT_FALSE(t.view(Seat::Player).knockAllowed);
        EXPECT_EQ(t.turn(TurnChoice::knock()), MoveError::KnockRefused);
        EXPECT_EQ(t.turn(TurnChoice::gin()), MoveError::NotGin);
        EXPECT_FALSE(t.over());
    }
    GinTable t(setupOf(deckOf(kComputerHand, kPlayerHand, "AS", "3H"), RummyVariant::Simple));
    t.draw(DrawChoice::Stock); // gin ends the hand by itself
    ASSERT_TRUE(t.over());
    const HandOutcome& o = t.outcome();
    EXPECT_EQ(o.ending, HandEndingKind::Gin);
    EXPECT_EQ(o.panel.lblGin, " 25");
    EXPECT_EQ(o.panel.computerDeadwood, 35);
    EXPECT_EQ(o.playerPoints, 60);
}

// Oklahoma: the upcard sets the limit (a king 10, a three 3, an ace 1).
TEST(GinTable, OklahomaTakesTheKnockLimitFromTheUpcard) {
    const auto limitWith = [](const char* upcard) {
        GinTable t(
            setupOf(deckOf(kComputerHand, kPlayerHand, upcard, "4C"), RummyVariant::Oklahoma));
        t.draw(DrawChoice::Stock);
        return std::pair{t.maxDeadwood(), t.view(Seat::Player).knockAllowed};
    };
    EXPECT_EQ(limitWith("KD"), std::pair(int16{10}, true));
    EXPECT_EQ(limitWith("3C"), std::pair(int16{3}, true)); // deadwood 3: exactly the limit
    EXPECT_EQ(limitWith("2C"), std::pair(int16{2}, false));
    EXPECT_EQ(limitWith("AC"), std::pair(int16{1}, false));
}

// The computer draws 8C beside three melds and 9H: it knocks with 8, throwing 9H; the person's
// KS (10) finds no place on its melds.
TEST(GinTable, StandardComputerKnocksAtItsFirstChance) {
    const DeckOrder deck =
        deckOf("QC QD QS 5S 6S 7S 2D 3D 4D 9H", "AC 2C 3C TH JH QH 7D 7C 7H KS", "8D", "9S 8C");
    ScriptedPlayer person("stock 9S");
    StandardPlayer computer;
    const PlayedHand h = playHand(setupOf(deck, RummyVariant::Standard), person, computer);
    EXPECT_EQ(h.outcome.ending, HandEndingKind::Knock);
    EXPECT_EQ(h.outcome.knocker, Seat::Computer);
    EXPECT_EQ(h.outcome.panel.computerDeadwood, 8);
    EXPECT_EQ(h.outcome.panel.playerDeadwood, 10);
    EXPECT_EQ(h.outcome.computerPoints, 2);
    EXPECT_EQ(h.outcome.playerPoints, 0);
}

// The same hands with 8S drawn: it extends 5-6-7 of spades, a computer gin worth 25 + 10.
TEST(GinTable, ComputerGinScoresTheBonusWithoutLayOffs) {
    const DeckOrder deck =
        deckOf("QC QD QS 5S 6S 7S 2D 3D 4D 9H", "AC 2C 3C TH JH QH 7D 7C 7H KS", "8D", "9S 8S");
    ScriptedPlayer person("stock 9S");
    StandardPlayer computer;
    const PlayedHand h = playHand(setupOf(deck, RummyVariant::Standard), person, computer);
    EXPECT_EQ(h.outcome.ending, HandEndingKind::Gin);
    EXPECT_EQ(h.outcome.knocker, Seat::Computer);
    EXPECT_EQ(h.outcome.computerPoints, 35);
}

// Two hands that can never meld, each side drawing and throwing what it drew.
const char* kDeadComputer = "AC 3D 5H 7S 9C JD KH 2S 6D TC";
const char* kDeadPlayer = "AD 3H 5S 7C 9D JH KS 2C 6H TD";

// Led by the person: it draws at 31, 29, .. 5 cards; the computer at 30 .. 4; the person's
// draw from 3 leaves two behind the card it copies: a tie at the 29th draw.
TEST(GinTable, ThePersonsDrawThatLeavesTwoCardsIsATie) {
    ScriptedPlayer a;
    ScriptedPlayer b;
    GinTable t(setupOf(deckOf(kDeadComputer, kDeadPlayer, "4S"), RummyVariant::Standard));
    const PlayedHand h = playOut(t, a, b);
    EXPECT_EQ(h.outcome.ending, HandEndingKind::Tie);
    EXPECT_FALSE(h.outcome.abandoned);
    EXPECT_EQ(h.outcome.draws, 29);
    EXPECT_EQ(t.stockCount(), 3);
    EXPECT_EQ(h.outcome.playerPoints + h.outcome.computerPoints, 0);
}

// Led by the computer: it draws down to two cards, and the person's next draw is the tie.
TEST(GinTable, ComputerLedHandTiesAtThePersonsDrawFromTwoCards) {
    ScriptedPlayer a;
    ScriptedPlayer b;
    GinTable t(
        setupOf(deckOf(kDeadComputer, kDeadPlayer, "4S"), RummyVariant::Standard, Seat::Computer));
    const PlayedHand h = playOut(t, a, b);
    EXPECT_EQ(h.outcome.ending, HandEndingKind::Tie);
    EXPECT_EQ(h.outcome.draws, 30);
    EXPECT_EQ(t.stockCount(), 2);
}

// Taking from the reject pile never ties: the computer's draw from two cards does.
TEST(GinTable, RejectTakesNeverTieButTheComputersDrawFromTwoDoes) {
    ScriptedPlayer a;
    ScriptedPlayer b;
    GinTable t(setupOf(deckOf(kDeadComputer, kDeadPlayer, "4S"), RummyVariant::Standard));
    while (t.stockCount() > 3) {
        ASSERT_EQ(t.draw(DrawChoice::Stock), MoveError::None);
        t.turn(TurnChoice::discard(t.view(t.toAct()).takenCard));
    }
    ASSERT_EQ(t.toAct(), Seat::Player);
    EXPECT_TRUE(t.view(Seat::Player).stockLow);
    t.draw(DrawChoice::Reject);
    t.turn(TurnChoice::discard(t.view(Seat::Player).takenCard));
    EXPECT_FALSE(t.over());
    t.draw(DrawChoice::Stock); // the computer, from 3: leaves 2
    t.turn(TurnChoice::discard(t.view(Seat::Computer).takenCard));
    EXPECT_EQ(t.stockCount(), 2);
    t.draw(DrawChoice::Reject);
    t.turn(TurnChoice::discard(t.view(Seat::Player).takenCard));
    EXPECT_TRUE(t.view(Seat::Computer).stockLow);
    t.draw(DrawChoice::Stock);
    EXPECT_EQ(t.outcome().ending, HandEndingKind::Tie);
}

TEST(GinTable, RefusesMovesOutOfTurnAndCardsNotHeld) {
    GinTable t(setupOf(deckOf(kComputerHand, kPlayerHand, "AS", "4C"), RummyVariant::Standard));
    EXPECT_EQ(t.turn(TurnChoice::discard(card("3S").cardvalue)), MoveError::NotYourTurn);
    t.draw(DrawChoice::Stock);
    EXPECT_EQ(t.draw(DrawChoice::Stock), MoveError::NotYourTurn);
    EXPECT_EQ(t.turn(TurnChoice::discard(card("2D").cardvalue)), MoveError::NotHeld);
    EXPECT_EQ(t.turn(TurnChoice::discard(card("3S").cardvalue)), MoveError::None);
    EXPECT_EQ(t.toAct(), Seat::Computer);
    // The thrown 3S went on the pile and 4C took its place.
    EXPECT_EQ(t.rejectPile().top(), card("3S").cardvalue);
    EXPECT_EQ(t.hand(Seat::Player)[9].cardvalue, card("4C").cardvalue);
}

// What each seat is told: the other seat's draw from the stock is hidden, its reject take and
// its discards are not, and the view remembers them.
TEST(GinTable, SeatsSeeTheOtherSeatsTakesAndThrowsButNotItsStockCards) {
    const DeckOrder deck = deckOf(kComputerHand, kPlayerHand, "AS", "4C 2H");
    GinTable t(setupOf(deck, RummyVariant::Standard));
    t.draw(DrawChoice::Reject); // the person takes AS
    t.turn(TurnChoice::discard(card("3S").cardvalue));
    t.draw(DrawChoice::Stock); // the computer draws 4C, passing 3S
    const SeatView computer = t.view(Seat::Computer);
    EXPECT_EQ(computer.opponentHolds, cardBit(card("AS").cardvalue));
    EXPECT_EQ(computer.opponentThrew, cardBit(card("3S").cardvalue));
    t.turn(TurnChoice::discard(card("KS").cardvalue));
    const SeatView person = t.view(Seat::Player);
    EXPECT_EQ(person.opponentPassed, cardBit(card("3S").cardvalue));
    EXPECT_EQ(person.opponentThrew, cardBit(card("KS").cardvalue));
    EXPECT_EQ(person.hand[10].rank, 0); // nothing taken yet this turn
    EXPECT_EQ(person.stockCount, 30);
}

} // namespace
} // namespace quillan::test

// The computer's choices: take or draw, which card to throw, when to knock, and the swaps
// that put its melds at the left of its hand.
#include <gtest/gtest.h>

#include "rummy/computer_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

namespace {

// handComputer with slot 10 holding `extra`, analysed as ComputerTurn does, keep values written.
Hand judged(const std::string& ten, const std::string& extra, bool mayKnock = false,
            int rejectCards = 5, HandAnalysis* out = nullptr) {
    Hand hand;
    const std::vector<CardSlot> cs = cards(ten + " " + extra);
    for (int i = 0; i < 11; ++i) {
        hand[i] = cs[static_cast<size_t>(i)];
    }
    const HandAnalysis a = analyseHand(std::span<const CardSlot>(hand.begin(), hand.end()),
                                       {true, mayKnock, rejectCards});
    if (a.keepValuesSet) {
        for (int i = 0; i < 11; ++i) {
            hand[i].keepValue = a.keepValues[static_cast<size_t>(i)];
        }
    }
    applyMeldMoves(std::span<CardSlot>(hand.begin(), hand.end()), a);
    if (out != nullptr) {
        *out = a;
    }
    return hand;
}

std::span<const CardSlot> all(const Hand& hand) {
    return {hand.begin(), hand.end()};
}

} // namespace

TEST(RummyComputerTake, RejectCardCompletingASetIsTaken) {
    const Hand hand = judged("8C 8D 2S 4H 6C JD KS QH 3C 5H", "8S");
    EXPECT_EQ(hand[10].keepValue, 10);
    EXPECT_TRUE(computerTakesReject(all(hand)));
}

TEST(RummyComputerTake, UnconnectedRejectCardIsNotTakenWhenEveryCardIsConnected) {
    // Every held card has a neighbour (rank or suit), the reject king of clubs none.
    const Hand hand = judged("2C 2D 2H 5H 6H 6D 9S TS 4C 4S", "KC");
    EXPECT_EQ(hand[10].keepValue, 1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_GE(hand[i].keepValue, 2);
    }
    EXPECT_FALSE(computerTakesReject(all(hand)));
}

TEST(RummyComputerTake, JudgingOverHandAndRejectCardNeverKnocks) {
    Hand hand;
    const std::vector<CardSlot> ten = cards("3H 4H 5H 6H 7H 2C 2D 2S 5C 5D");
    for (int i = 0; i < 10; ++i) {
        hand[i] = ten[static_cast<size_t>(i)];
    }
    const RejectJudgement j = judgeRejectCard(hand, card("8H"), 4);
    EXPECT_TRUE(j.take); // the eight extends the run
    EXPECT_EQ(name(j.hand[10]), "8H");
    EXPECT_EQ(computerKnockAction(j.analysis, 10), ComputerAction::Continue);
    EXPECT_FALSE(judgeRejectCard(hand, card("KS"), 4).take);
}

TEST(RummyComputerTake, EqualUsefulnessDraws) {
    Hand hand;
    for (int i = 0; i < 11; ++i) {
        hand[i] = cardOf(i * 4);
        hand[i].keepValue = 3;
    }
    EXPECT_FALSE(computerTakesReject(all(hand)));
    hand[10].keepValue = 4;
    EXPECT_TRUE(computerTakesReject(all(hand)));
}

TEST(RummyComputerDiscard, OfTwoEquallyUselessCardsTheHigherRankGoes) {
    Hand hand;
    const std::vector<CardSlot> cs = cards("2C 3C 4C 9D 5S 5H 6H 7S 8S QH TC");
    const std::array<int16, 11> kv{10, 10, 10, 1, 3, 3, 2, 2, 2, 1, 2};
    for (int i = 0; i < 11; ++i) {
        hand[i] = cs[static_cast<size_t>(i)];
        hand[i].keepValue = kv[static_cast<size_t>(i)];
    }
    EXPECT_EQ(chooseComputerDiscard(all(hand)), 9);
}

TEST(RummyComputerDiscard, EqualRanksKeepTheLowerSlotAndMeldsOnlyLast) {
    Hand hand;
    const std::vector<CardSlot> cs = cards("QD 3C 4C 9D 5S 5H 6H 7S 8S QH TC");
    for (int i = 0; i < 11; ++i) {
        hand[i] = cs[static_cast<size_t>(i)];
        hand[i].keepValue = i == 0 || i == 9 ? 1 : 10;
    }
    EXPECT_EQ(chooseComputerDiscard(all(hand)), 0);
    for (CardSlot& c : hand) {
        c.keepValue = 10;
    }
    EXPECT_EQ(chooseComputerDiscard(all(hand)), 0); // queens at 0 and 9: the lower slot
    hand[0] = card("2D");
    hand[0].keepValue = 10;
    EXPECT_EQ(chooseComputerDiscard(all(hand)), 9);
}

TEST(RummyComputerKnock, ThreeMeldsAndAFourthOfASetIsGinWithoutDiscard) {
    HandAnalysis a;
    judged("7C 2H 7D 3H 7H 4H 9S TS JS KD", "7S", true, 5, &a);
    EXPECT_EQ(computerKnockAction(a, 10), ComputerAction::Gin);
}

TEST(RummyComputerKnock, FiveRunFourRunAndContinuingCardKnocksWithZero) {
    HandAnalysis a;
    judged("5S 6S 7S 8S 9S 2H 3H 4H 5H KD", "6H", true, 5, &a);
    EXPECT_EQ(computerKnockAction(a, 10), ComputerAction::Knock);
    EXPECT_EQ(a.deadwood, 0);
    EXPECT_EQ(name(a.discardCandidate), "KD");
}

TEST(RummyComputerKnock, StandardDeadwoodTenKnocksAtOnce) {
    HandAnalysis a;
    judged("3H 4H 5H 6H 7H 2C 2D 2S 5C 5D", "KS", true, 5, &a);
    EXPECT_EQ(computerKnockAction(a, 10), ComputerAction::Knock);
    EXPECT_EQ(computerKnockAction(a, 9), ComputerAction::Continue);
}

TEST(RummyComputerKnock, NoKnockWhileJudgingTheRejectCard) {
    HandAnalysis a;
    judged("3H 4H 5H 6H 7H 2C 2D 2S 5C 5D", "KS", false, 5, &a);
    EXPECT_EQ(computerKnockAction(a, 10), ComputerAction::Continue);
}

TEST(RummyComputerKnock, LateHandSixUnmatchedDoesNotKnockAndDiscards) {
    HandAnalysis a;
    const Hand hand = judged("2C 2D 2H 5S 6S 7S 9D 9C 9H 6D", "KC", true, 19, &a);
    EXPECT_EQ(computerKnockAction(a, 10), ComputerAction::Continue);
    EXPECT_EQ(name(hand[static_cast<size_t>(chooseComputerDiscard(all(hand)))]), "KC");
}

TEST(RummyComputerArrange, SwapsCardsAndKeepValuesButNotPositions) {
    Hand hand;
    const std::vector<CardSlot> cs = cards("KS 2D 3D 4D 9C AC 5H 6H 7H 8H JD");
    for (int i = 0; i < 11; ++i) {
        hand[i] = cs[static_cast<size_t>(i)];
        hand[i].x = i * 16;
        hand[i].keepValue = static_cast<int16>(i);
    }
    const std::span<CardSlot> slots(hand.begin(), hand.end());
    EXPECT_EQ(arrangeCompletedCards(slots, card("8H").cardvalue, 0), 9);
    EXPECT_EQ(name(hand[0]), "8H");
    EXPECT_EQ(hand[0].keepValue, 9);
    EXPECT_EQ(hand[0].x, 0);
    EXPECT_EQ(name(hand[9]), "KS");
    EXPECT_EQ(hand[9].x, 144);
    EXPECT_EQ(arrangeCompletedCards(slots, card("QS").cardvalue, 1), -1);
    EXPECT_THROW(arrangeCompletedCards(slots, card("KS").cardvalue, 11), ProgramError);
}

TEST(RummyComputerArrange, CardBeingJudgedInSlotTenNeverMoves) {
    // The reject card 8S completes the set of eights while it is judged; the set is arranged
    // without it, so taking or drawing into slot 10 loses no card.
    const Hand hand = judged("2S 4H 8C 6C JD 8D KS QH 3C 5H", "8S");
    EXPECT_EQ(name(hand[10]), "8S");
    EXPECT_EQ(names(std::span<const CardSlot>(hand.begin(), hand.begin() + 2)), "8C 8D");
}

TEST(RummyComputerArrange, MeldMovesPutTheMeldsFirst) {
    const Hand hand = judged("KS 2D 9C 3D AC 4D 5D 6H QC 8H", "JC", true);
    EXPECT_EQ(names(std::span<const CardSlot>(hand.begin(), hand.begin() + 4)), "5D 4D 3D 2D");
}

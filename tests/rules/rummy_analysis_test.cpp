// The hand analysis: which shape decides the split, the discard candidate, the deadwood, the
// stored unmatched list, keep values and the meld moves for the computer's hand.
#include <gtest/gtest.h>

#include "rummy/hand_analysis_rules.h"
#include "rummy/meld_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

namespace {

HandAnalysis analyse(const std::string& hand, AnalysisInput input = {}) {
    return analyseHand(cards(hand), input);
}

int keepOf(const HandAnalysis& a, const std::string& hand, const std::string& which) {
    const std::vector<CardSlot> slots = cards(hand);
    const CardSlot wanted = card(which);
    for (size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].cardvalue == wanted.cardvalue) {
            return a.keepValues[i];
        }
    }
    return -99;
}

} // namespace

TEST(RummyAnalysis, FourOfARankAndTwoRunsIsGinByTheFourthCard) {
    const HandAnalysis a = analyse("7C 2H 7D 3H 7H 4H 9S TS JS 7S KD");
    EXPECT_EQ(a.shape, 1);
    EXPECT_TRUE(a.gin);
    EXPECT_EQ(a.deadwood, 0);
    EXPECT_EQ(names(a.melds[0]), "7C 7D 7H");
    EXPECT_EQ(names(a.unmatched), "7S KD");
}

TEST(RummyAnalysis, KingIsDiscardCandidateBesideFiveRunAndThreeMeld) {
    const HandAnalysis a = analyse("3H 4H 5H 6H 7H 2C 2D 2S 5C 9D KS");
    EXPECT_EQ(a.shape, 3);
    EXPECT_EQ(names(a.discardCandidate.rank ? CardList{a.discardCandidate} : CardList{}), "KS");
    EXPECT_EQ(a.deadwood, 14);
    // Eleven cards: the counted cards, then one empty entry in place of the candidate.
    EXPECT_EQ(names(a.storedUnmatched), "5C 9D --");
}

TEST(RummyAnalysis, OfTwoUnmatchedCardsOfEqualRankTheLaterIsTheCandidate) {
    const HandAnalysis a = analyse("3H 4H 5H 6H 7H 2C 2D 2S 5C KS KD");
    EXPECT_EQ(names(CardList{a.discardCandidate}), "KD");
    EXPECT_EQ(a.deadwood, 15);
}

TEST(RummyAnalysis, HandWithoutMeldStoresWholeSortedHandAndKeepsKeepValues) {
    const HandAnalysis a = analyse("KS 2D 9H 4C JD 6S AH 8C QH 3S TC", {true, true, 0});
    EXPECT_EQ(a.shape, 0);
    EXPECT_FALSE(a.keepValuesSet);
    EXPECT_EQ(names(a.storedUnmatched), "AH 2D 3S 4C 6S 8C 9H TC JD QH KS");
    EXPECT_EQ(a.deadwood, 1 + 2 + 3 + 4 + 6 + 8 + 9 + 10 + 10 + 10 + 10);
    EXPECT_FALSE(knockable(a, 100));
    EXPECT_EQ(a.meldMoveCount, 0);
}

TEST(RummyAnalysis, KeepValuesCountRankAndSuitNeighbours) {
    const std::string hand = "2C 3C 4C 7S 7H 8S JD KH AS 5D QS";
    const HandAnalysis a = analyse(hand, {true, false, 0});
    EXPECT_EQ(a.shape, 10);
    EXPECT_EQ(keepOf(a, hand, "7S"), 3);
    EXPECT_EQ(keepOf(a, hand, "7H"), 2);
    EXPECT_EQ(keepOf(a, hand, "8S"), 2);
    EXPECT_EQ(keepOf(a, hand, "2C"), 10);
    EXPECT_EQ(keepOf(a, hand, "JD"), 1);
    // Order 10 arranges the computer's meld at the left of its hand.
    ASSERT_EQ(a.meldMoveCount, 3);
    EXPECT_EQ(a.meldMoves[0], (MeldMove{card("2C").cardvalue, 0}));
    EXPECT_EQ(a.meldMoves[2], (MeldMove{card("4C").cardvalue, 2}));
}

TEST(RummyAnalysis, ThreeMeldSplitGivesUnmatchedCardsKeepValueZero) {
    const std::string hand = "2C 2D 2H 5S 6S 7S 9D 9C 9H KD QC";
    const HandAnalysis a = analyse(hand, {true, true, 0});
    EXPECT_EQ(a.shape, 1);
    EXPECT_FALSE(a.gin);
    EXPECT_EQ(keepOf(a, hand, "QC"), 0);
    EXPECT_EQ(keepOf(a, hand, "KD"), 0);
    EXPECT_EQ(keepOf(a, hand, "5S"), 10);
    EXPECT_EQ(a.deadwood, 10);
    EXPECT_EQ(a.meldMoveCount, 0); // order 1 leaves the computer's card order alone
}

TEST(RummyAnalysis, ThreeMeldGinMarksSlotTenAsKept) {
    const std::string hand = "2C 2D 2H 5S 6S 7S 9D 9C 9H KD 8S";
    const HandAnalysis a = analyse(hand);
    EXPECT_TRUE(a.gin);
    EXPECT_EQ(a.keepValues[10], 10);
    EXPECT_EQ(keepOf(a, hand, "KD"), 0);
}

TEST(RummyAnalysis, LateHandRuleStopsComputerKnockingWithSixUnmatched) {
    const std::string hand = "2C 2D 2H 5S 6S 7S 9D 9C 9H 6D KC";
    EXPECT_FALSE(analyse(hand, {true, true, 19}).computerMayKnock);
    EXPECT_TRUE(analyse(hand, {true, true, 18}).computerMayKnock);
    EXPECT_TRUE(analyse("2C 2D 2H 5S 6S 7S 9D 9C 9H 5D KC", {true, true, 19}).computerMayKnock);
}

TEST(RummyAnalysis, FiveRunAndFourRunWithExtendingCardIsGin) {
    const HandAnalysis a = analyse("5S 6S 7S 8S 9S 2H 3H 4H 5H 6H KD");
    EXPECT_EQ(a.shape, 2);
    EXPECT_TRUE(a.gin);
    EXPECT_EQ(a.deadwood, 0);
    EXPECT_EQ(names(a.unmatched), "2H KD");
    EXPECT_EQ(names(CardList{a.discardCandidate}), "KD");
}

TEST(RummyAnalysis, FiveRunAndFourSetIsNeverGinByOrderTwo) {
    const HandAnalysis a = analyse("5S 6S 7S 8S 9S JC JD JH JS AD KD");
    EXPECT_EQ(a.shape, 2);
    EXPECT_FALSE(a.gin);
    EXPECT_EQ(a.deadwood, 1);
}

TEST(RummyAnalysis, TwoFourMeldsAreArrangedFirstMeldFirst) {
    const HandAnalysis a = analyse("3D 4D 5D 6D QC QD QH QS AS 8C JH", {true, false, 0});
    EXPECT_EQ(a.shape, 4);
    EXPECT_EQ(names(a.melds[0]), "6D 5D 4D 3D");
    ASSERT_EQ(a.meldMoveCount, 8);
    EXPECT_EQ(a.meldMoves[4], (MeldMove{card("QC").cardvalue, 4}));
    EXPECT_EQ(analyse("3D 4D 5D 6D QC QD QH QS AS 8C JH").meldMoveCount, 0);
}

TEST(RummyAnalysis, OrderSixTenCardsPrefersSetAndRunWithLowerDeadwood) {
    // Set-and-set leaves 3H 4H 9S JC (26); set-and-run leaves 2C 2D 9S JC (23).
    const HandAnalysis a = analyse("KC KD KH 2C 2D 2H 3H 4H 9S JC");
    EXPECT_EQ(a.shape, 6);
    EXPECT_EQ(names(a.melds[0]), "KC KD KH");
    EXPECT_EQ(names(a.melds[1]), "2H 3H 4H");
    EXPECT_EQ(a.deadwood, 23); // ten cards: every unmatched card counts
    EXPECT_EQ(names(a.storedUnmatched), "2C 2D 9S JC");
}

TEST(RummyAnalysis, OrderSixTenCardsSetAndSetFoundAgainLowFirst) {
    const HandAnalysis a = analyse("2C 2D 2H 3C 3D 3S QH KS JC 9D");
    EXPECT_EQ(a.shape, 6);
    EXPECT_EQ(names(a.melds[0]), "2C 2D 2H");
    EXPECT_EQ(names(a.melds[1]), "3C 3D 3S");
}

TEST(RummyAnalysis, OrderSixElevenCardsTakesFirstCombinationFound) {
    const HandAnalysis a = analyse("KC KD KH 2C 2D 2H 3H 4H 9S JC QS");
    EXPECT_EQ(a.shape, 6);
    EXPECT_EQ(names(a.melds[0]), "KC KD KH");
    EXPECT_EQ(names(a.melds[1]), "2C 2D 2H");
}

TEST(RummyAnalysis, OrderSixArrangesOnlyWhenComputerMayKnock) {
    const std::string hand = "KC KD KH 2C 2D 2H 3H 4H 9S JC QS";
    EXPECT_EQ(analyse(hand, {true, false, 0}).meldMoveCount, 0);
    EXPECT_EQ(analyse(hand, {true, true, 0}).meldMoveCount, 6);
}

TEST(RummyAnalysis, OrderTenSetReplacesRunOnlyWhenStrictlyLower) {
    // Run 5-6-7H leaves 7C 7D; the set of sevens leaves 5H 6H, which counts less.
    EXPECT_EQ(names(analyse("5H 6H 7H 7C 7D KS QD JC 9S 2D").melds[0]), "7H 7C 7D");
    // Run 7-8-9H leaves 7C 7D (14); the set leaves 8H 9H (17): the run stays.
    EXPECT_EQ(names(analyse("7H 8H 9H 7C 7D KS QD JC AS 2D").melds[0]), "7H 8H 9H");
    // Equal counts: the run stays.
    EXPECT_EQ(names(analyse("6H 7H 8H 7C 7D KS QD JC AS 2D").melds[0]), "6H 7H 8H");
}

TEST(RummyAnalysis, OrderTenNeverKnocksAndStoresTheCandidateToo) {
    const HandAnalysis a = analyse("AH 2H 3H AC 2D 3S 4C 5S 6D 8C TS");
    EXPECT_EQ(a.shape, 10);
    EXPECT_FALSE(knockable(a, 100));
    EXPECT_EQ(a.storedUnmatched.size(), a.unmatched.size());
    EXPECT_EQ(a.deadwood, countDeadwood(a.unmatched));
}

TEST(RummyAnalysis, TenCardHandCountsEveryUnmatchedCard) {
    const HandAnalysis a = analyse("3H 4H 5H 6H 7H 2C 2D 2S 5C KS");
    EXPECT_EQ(a.shape, 3);
    EXPECT_EQ(names(a.storedUnmatched), "5C KS");
    EXPECT_EQ(a.deadwood, 15);
}

TEST(RummyAnalysis, TenCardGinHasNoDeadwoodCards) {
    const HandAnalysis a = analyse("7C 2H 7D 3H 7H 4H 9S TS JS 7S");
    EXPECT_TRUE(a.gin);
    EXPECT_EQ(a.deadwood, 0);
    EXPECT_TRUE(a.storedUnmatched.empty());
}

TEST(RummyAnalysis, EmptySlotTenMakesATenCardHand) {
    std::vector<CardSlot> hand = cards("3H 4H 5H 6H 7H 2C 2D 2S 5C KS");
    hand.push_back(CardSlot{});
    const HandAnalysis a = analyseHand(hand, {});
    EXPECT_EQ(a.deadwood, 15);
    EXPECT_EQ(a.keepValues[10], 0);
}

TEST(RummyAnalysis, KnockableNeedsDeadwoodWithinLimit) {
    const HandAnalysis a = analyse("3H 4H 5H 6H 7H 2C 2D 2S 5C 5D KS"); // deadwood 10
    EXPECT_EQ(a.deadwood, 10);
    EXPECT_TRUE(knockable(a, 10));
    EXPECT_FALSE(knockable(a, 9));
}

TEST(RummyAnalysis, MoreThanElevenSlotsIsSubscriptOutOfRange) {
    EXPECT_THROW(analyse("AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"), ProgramError);
}

#include <gtest/gtest.h>

#include "poker/poker_advisor_rules.h"
#include "poker/poker_ladder_rules.h"
#include "poker_test_cards.h"

using namespace quillan;
using quillan::test::dealtCategory;
using quillan::test::finalCategory;
using quillan::test::pokerHand;

TEST(PokerEval, AceIsLowExceptInRoyalAndAceHighStraight) {
    EXPECT_EQ(finalCategory("AC 2D 3H 4S 5C"), kStraight);
    EXPECT_EQ(finalCategory("TC JD QH KS AC"), kStraight);
    EXPECT_EQ(finalCategory("JC QD KH AS 2C"), kTwoHigh); // no wrap-around
    EXPECT_EQ(finalCategory("TH JH QH KH AH"), kRoyal);
    EXPECT_EQ(finalCategory("9H TH JH QH KH"), kStraightFlush);
    EXPECT_EQ(finalCategory("AS 2S 3S 4S 5S"), kStraightFlush);
    EXPECT_EQ(finalCategory("QS KS AS 2S 3S"), kFlush);
}

TEST(PokerEval, CardOrderDoesNotMatter) {
    EXPECT_EQ(finalCategory("KH AH QH TH JH"), kRoyal);
    EXPECT_EQ(finalCategory("5C AD 3H 2S 4C"), kStraight);
    EXPECT_EQ(finalCategory("7D 7C KS 7H KD"), kFullHouse);
}

TEST(PokerEval, DealtHandDrawsOnlyInDealtMode) {
    EXPECT_EQ(dealtCategory("AH KH QH JH 3H"), kFourToRoyal);
    EXPECT_EQ(finalCategory("AH KH QH JH 3H"), kFlush);
    EXPECT_EQ(dealtCategory("AH KH QH JH AS"), kFourToRoyal);
    EXPECT_EQ(finalCategory("AH KH QH JH AS"), kHighPair);
    EXPECT_EQ(dealtCategory("TS JS QS KS 9H"), kFourToRoyal);
    EXPECT_EQ(finalCategory("TS JS QS KS 9H"), kStraight);
    EXPECT_EQ(dealtCategory("5C 6C 7C 8C 2H"), kFourToStraightFlush);
    EXPECT_EQ(finalCategory("5C 6C 7C 8C 2H"), kFourToFlush);
    EXPECT_EQ(dealtCategory("5C 6C 8C 9C KH"), kFourToFlush);
    EXPECT_EQ(finalCategory("5C 6C 8C 9C KH"), kFourToFlush);
}

TEST(PokerEval, LadderOrderDecidesOverlaps) {
    EXPECT_EQ(dealtCategory("AD TD JD 4D 7S"), kThreeToRoyal); // before four to a flush
    EXPECT_EQ(dealtCategory("2C 3D 4H 5S KC"), kFourToOutsideStraight);
    EXPECT_EQ(dealtCategory("AC 2D 3H 4S KD"), kTwoHigh); // A-2-3-4 is not outside
    EXPECT_EQ(dealtCategory("TC JD QH KS 3C"), kFourToOutsideStraight);
    EXPECT_EQ(dealtCategory("7S 7H 8S 9S TS"), kFourToStraightFlush); // before the low pair
    EXPECT_EQ(dealtCategory("3C 3D 3H 5S 5C"), kFullHouse);
    EXPECT_EQ(dealtCategory("3C 3D 5H 5S KC"), kTwoPair);
}

TEST(PokerEval, PairsAndHighCards) {
    EXPECT_EQ(finalCategory("TC TD 2H 5S 8C"), kLowPair);
    EXPECT_EQ(finalCategory("JC JD 2H 5S 8C"), kHighPair);
    EXPECT_EQ(finalCategory("AC AD 2H 5S 8C"), kHighPair);
    EXPECT_EQ(finalCategory("AC KC 2H 5S 8D"), kTwoHighSuited);
    EXPECT_EQ(finalCategory("4H 5H 6H 9S KC"), kThreeToStraightFlush);
    EXPECT_EQ(finalCategory("QH 2H 3H 9S KC"), kTwoHigh);
    EXPECT_EQ(finalCategory("QH 3H 7H 9S KC"), kTwoHigh);
    EXPECT_EQ(finalCategory("TC QC 3H 6S 8D"), kSuitedTenFace);
    EXPECT_EQ(finalCategory("TC QD 3H 6S 8D"), kOneHigh);
    EXPECT_EQ(finalCategory("2C 4D 7H 9S 8D"), kAllTrash);
}

TEST(PokerEval, PlaceholdersMatchNothing) {
    PokerHand held = pokerHand("7C 7D 2H 2S 2C");
    for (int i = 2; i < 5; ++i) {
        held[i] = pokerPlaceholder(i);
    }
    EXPECT_EQ(EvaluatePokerHand(held, kDealtHandMode), kLowPair);
    PokerHand none;
    for (int i = 0; i < 5; ++i) {
        none[i] = pokerPlaceholder(i);
    }
    EXPECT_EQ(EvaluatePokerHand(none, kDealtHandMode), kAllTrash);
    EXPECT_EQ(EvaluatePokerHand(none, kFinalMode), kAllTrash);
    // Real cards placed after placeholders still sort first.
    PokerHand late = none;
    setCard(late[3], quillan::test::cardValue("KS"));
    setCard(late[4], quillan::test::cardValue("KH"));
    EXPECT_EQ(EvaluatePokerHand(late, kDealtHandMode), kHighPair);
}

TEST(PokerLadder, CaptionsAndKeeps) {
    EXPECT_EQ(pokerLabelCaption(1), "Royal ");
    EXPECT_EQ(pokerLabelCaption(5), "4 To a Royal ");
    EXPECT_EQ(pokerLabelCaption(12), "3 To a Royal ");
    EXPECT_EQ(pokerLabelCaption(15), "4 To Outside  Straight");
    EXPECT_EQ(pokerLabelCaption(19), "10/J 10/Q 10/k (Suited)");
    EXPECT_EQ(pokerLabelCaption(21), "All Trash");
    EXPECT_EQ(pokerLabelCaption(0), "");
    EXPECT_EQ(pokerLabelCaption(22), "");
    const int keeps[] = {5, 5, 4, 5, 4, 5, 5, 3, 4, 4, 2, 3, 4, 2, 4, 2, 3, 2, 2, 1, 0};
    for (int c = 1; c <= 21; ++c) {
        EXPECT_EQ(CardsToHand(static_cast<int16>(c)), keeps[c - 1]) << "category " << c;
    }
    EXPECT_EQ(CardsToHand(0), 0);
    EXPECT_EQ(CardsToHand(-3), 0);
    EXPECT_EQ(CardsToHand(300), 0);
}

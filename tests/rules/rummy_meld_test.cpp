// Melds and deadwood: point values, the set and run finders, the gin test and the meld test.
#include <gtest/gtest.h>

#include "rummy/meld_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

namespace {

struct Found {
    bool ok;
    std::string meld;
    std::string rest;
};

template <typename F> Found run(F finder, const std::string& hand, bool highFirst) {
    CardList meld;
    CardList rest;
    const CardList sorted = sortedByRank(cards(hand));
    const bool ok = finder(sorted, meld, rest, highFirst);
    return {ok, names(meld), names(rest)};
}

} // namespace

TEST(RummyDeadwood, FaceCardsCountTenAceOneEmptyNothing) {
    EXPECT_EQ(countDeadwood(list("AS 9D TC JH QS KC")), 1 + 9 + 10 + 10 + 10 + 10);
    CardList withEmpty = list("5H");
    withEmpty.push(CardSlot{});
    EXPECT_EQ(countDeadwood(withEmpty), 5);
}

TEST(RummyDeadwood, SortByRankIsStableAndDropsEmptySlots) {
    std::vector<CardSlot> hand = cards("KS 2D KD AH 2C");
    hand.push_back(CardSlot{});
    EXPECT_EQ(names(sortedByRank(hand)), "AH 2D 2C KS KD");
}

TEST(RummySetFinders, RankOrderFollowsHighFirstFlag) {
    const std::string hand = "2C 2D 2H 9S 9C 9D 5H";
    EXPECT_EQ(run(checkfor333rank, hand, true).meld, "9S 9C 9D");
    EXPECT_EQ(run(checkfor333rank, hand, false).meld, "2C 2D 2H");
    EXPECT_EQ(run(checkfor333rank, hand, false).rest, "5H 9S 9C 9D");
}

TEST(RummySetFinders, FourOfARankGivesFirstThreeToThreeSetFinder) {
    const Found three = run(checkfor333rank, "7H 7C 7S 7D 3C", true);
    EXPECT_EQ(three.meld, "7H 7C 7S");
    EXPECT_EQ(three.rest, "3C 7D");
    const Found four = run(check4forrankset, "7H 7C 7S 7D 3C", true);
    EXPECT_TRUE(four.ok);
    EXPECT_EQ(four.rest, "3C");
    EXPECT_FALSE(run(check4forrankset, "7H 7C 7S 3C", true).ok);
}

TEST(RummyRunFinders, ThreeRunLowestFirstLongerRunsHighestFirst) {
    EXPECT_EQ(run(checkfor3run, "4H 5H 6H", true).meld, "4H 5H 6H");
    EXPECT_EQ(run(check4forrun, "4H 5H 6H 7H", true).meld, "7H 6H 5H 4H");
    EXPECT_EQ(run(check5forrun, "4H 5H 6H 7H 8H", false).meld, "8H 7H 6H 5H 4H");
}

TEST(RummyRunFinders, HighFirstTakesHighestSuitAndHighestWindow) {
    const std::string hand = "2C 3C 4C 5C 6C 8S 9S TS";
    EXPECT_EQ(run(checkfor3run, hand, true).meld, "8S 9S TS");
    EXPECT_EQ(run(checkfor3run, hand, false).meld, "2C 3C 4C");
    EXPECT_EQ(run(checkfor3run, "2C 3C 4C 5C 6C", true).meld, "4C 5C 6C");
    EXPECT_EQ(run(checkfor3run, "2C 3C 4C 5C 6C", true).rest, "2C 3C");
}

TEST(RummyRunFinders, SuitWithEnoughCardsButNoWindowFallsThroughToNextSuit) {
    EXPECT_EQ(run(checkfor3run, "2S 5S 9S 3D 4D 5D", true).meld, "3D 4D 5D");
}

TEST(RummyRunFinders, AceIsLowOnly) {
    EXPECT_FALSE(run(checkfor3run, "QD KD AD", true).ok);
    EXPECT_TRUE(run(checkfor3run, "AD 2D 3D", true).ok);
}

TEST(RummyGinTest, CardExtendingARunOrSetIsGin) {
    const CardList set = list("5C 5D 5H");
    const CardList run1 = list("7S 8S 9S");
    const CardList run2 = list("2H 3H 4H");
    EXPECT_TRUE(checkforgin(set, run1, run2, list("TS KD")));
    EXPECT_TRUE(checkforgin(set, run1, run2, list("6S KD")));
    EXPECT_TRUE(checkforgin(set, run1, run2, list("AH KD")));
    EXPECT_TRUE(checkforgin(set, run1, run2, list("KD 5S")));
    EXPECT_FALSE(checkforgin(set, run1, run2, list("TH KD")));
}

TEST(RummyGinTest, NothingContinuesJackQueenKingUpwards) {
    const CardList jqk = list("JC QC KC");
    EXPECT_FALSE(checkforgin(jqk, list("2D 3D 4D"), list("8H 8S 8D"), list("AC 7C")));
    EXPECT_TRUE(checkforgin(jqk, list("2D 3D 4D"), list("8H 8S 8D"), list("TC 7C")));
}

TEST(RummyMeldTest, SetsRunsAndNonMelds) {
    EXPECT_TRUE(isMeld(cards("9C 9D 9S")));
    EXPECT_TRUE(isMeld(cards("6H 4H 5H 7H")));
    EXPECT_FALSE(isMeld(cards("QH KH AH")));
    EXPECT_FALSE(isMeld(cards("4H 5H 7H")));
    EXPECT_FALSE(isMeld(cards("4H 5H 6S")));
    EXPECT_TRUE(isSequence(cards("3D 2D")));
    EXPECT_FALSE(isSequence(cards("3D")));
}

TEST(RummyMeldTest, MoreThanFiveCardsIsSubscriptOutOfRange) {
    try {
        isMeld(cards("2H 3H 4H 5H 6H 7H"));
        FAIL() << "no error";
    } catch (const ProgramError& e) {
        EXPECT_STREQ(e.description(), "Subscript out of range");
    }
    EXPECT_THROW(isSequence(cards("2H 3H 4H 5H 6H 7H")), ProgramError);
}

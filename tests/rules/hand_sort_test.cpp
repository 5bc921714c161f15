// Sorting the player's hand by rank and by suit, and the 3-3-4 layout.
#include <gtest/gtest.h>

#include "cards/hand_sort_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

namespace {

Hand handOf(const std::string& text) {
    Hand hand;
    const std::vector<CardSlot> cs = cards(text);
    for (size_t i = 0; i < cs.size(); ++i) {
        hand[static_cast<long>(i)] = cs[i];
    }
    return hand;
}

std::string tenOf(const Hand& hand) {
    return names(std::span<const CardSlot>(hand.begin(), hand.begin() + 10));
}

} // namespace

TEST(HandSort, ByRankIsStable) {
    Hand hand = handOf("KS 5D KC 2H 5S AC 9D 5C 3H TD QS");
    sortByRank(hand);
    EXPECT_EQ(tenOf(hand), "AC 2H 3H 5D 5S 5C 9D TD KS KC");
    EXPECT_EQ(name(hand[10]), "QS"); // the drawn card stays where it is
}

TEST(HandSort, BySuitIsStableSoRankThenSuitGivesAscendingRanksPerSuit) {
    Hand hand = handOf("KS 5D KC 2H 5S AC 9D 5C 3H TD");
    sortBySuit(hand);
    EXPECT_EQ(tenOf(hand), "KC AC 5C 5D 9D TD 2H 3H KS 5S");
    sortByRank(hand);
    sortBySuit(hand);
    EXPECT_EQ(tenOf(hand), "AC 5C KC 5D 9D TD 2H 3H 5S KS");
}

TEST(HandSort, SortMovesWholeSlotsThenLayoutResetsPositions) {
    Hand hand = handOf("KS 5D KC 2H 5S AC 9D 5C 3H TD");
    hand[0].y = 0;
    hand[0].keepValue = 7;
    sortByRank(hand);
    EXPECT_EQ(hand[8].keepValue, 7);
    layOutSortedHand(hand, 16, 19, 71);
    EXPECT_EQ(hand[8].y, 19);
    EXPECT_EQ(hand[9].xEnd, hand[9].x + 71);
    EXPECT_EQ(hand[2].xEnd, hand[3].x);
}

TEST(HandLayout, GroupsOfThreeThreeFour) {
    const std::array<int32, 10> expected{0, 16, 32, 56, 72, 88, 112, 128, 144, 160};
    EXPECT_EQ(layout334(16), expected);
}

TEST(HandLayout, HalfGapsRoundToEven) {
    const std::array<int32, 10> expected{0, 15, 30, 52, 67, 82, 104, 119, 134, 149};
    EXPECT_EQ(layout334(15), expected);
}

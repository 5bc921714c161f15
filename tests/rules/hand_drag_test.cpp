// Rearranging the player's hand: hit-testing, dropping a dragged card, sending a card to an
// end, and the meld groups the hand is laid out in.
#include <gtest/gtest.h>

#include "rules/rummy_test_cards.h"
#include "table/hand_drag_rules.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::cards;

namespace {

constexpr HandGeometry kG{15, 19, 71};

Hand handOf(const std::string& text) {
    Hand hand;
    const auto list = cards(text);
    for (size_t i = 0; i < list.size(); ++i) {
        hand[static_cast<long>(i)] = list[i];
    }
    layUniformly(hand, kG);
    return hand;
}

std::string order(const Hand& hand) {
    std::string out;
    for (int i = 0; i < 10; ++i) {
        out += (i ? " " : "") + quillan::test::name(hand[i]);
    }
    return out;
}

} // namespace

TEST(HandDrag, PointerHitsOnlyInsideACardsClickableWidth) {
    const Hand hand = handOf("AC 2D 3H 4S 5C 6D 7H 8S 9C TD");
    EXPECT_EQ(slotUnderPointer(hand, 1), 0);
    EXPECT_EQ(slotUnderPointer(hand, 15), -1); // a boundary hits nothing
    EXPECT_EQ(slotUnderPointer(hand, 16), 1);
    EXPECT_EQ(slotUnderPointer(hand, 135 + 70), 9);
    EXPECT_EQ(slotUnderPointer(hand, 135 + 71), -1);
    EXPECT_EQ(slotUnderPointer(hand, -3), -1);
}

TEST(HandDrag, DroppingAfterACardMovesOnlyTheDraggedCard) {
    Hand hand = handOf("AC 2D 3H 4S 5C 6D 7H 8S 9C TD");
    ASSERT_TRUE(moveCardDragging(hand, card("2D"), 5, kG));
    EXPECT_EQ(order(hand), "AC 3H 4S 5C 6D 2D 7H 8S 9C TD");
    ASSERT_TRUE(moveCardDragging(hand, card("9C"), 0, kG));
    EXPECT_EQ(order(hand), "AC 9C 3H 4S 5C 6D 2D 7H 8S TD");
}

TEST(HandDrag, DroppingOverTheLastCardPutsTheCardAtTheVeryEnd) {
    Hand hand = handOf("AC 2D 3H 4S 5C 6D 7H 8S 9C TD");
    ASSERT_TRUE(moveCardDragging(hand, card("3H"), 9, kG));
    EXPECT_EQ(order(hand), "AC 2D 4S 5C 6D 7H 8S 9C TD 3H");
}

TEST(HandDrag, DropsThatKeepTheOrderChangeNothing) {
    Hand hand = handOf("AC 2D 3H 4S 5C 6D 7H 8S 9C TD");
    const Hand before = hand;
    EXPECT_FALSE(moveCardDragging(hand, card("4S"), 2, kG)); // just before its own place
    EXPECT_FALSE(moveCardDragging(hand, card("TD"), 9, kG)); // the last card over itself
    CardSlot none;
    none.cardvalue = -1;
    EXPECT_FALSE(moveCardDragging(hand, none, 4, kG)); // nothing hovered before the press
    EXPECT_FALSE(moveCardDragging(hand, card("KS"), 4, kG));
    EXPECT_EQ(hand, before);
}

TEST(HandDrag, ClicksSendACardToEitherEnd) {
    Hand hand = handOf("AC 2D 3H 4S 5C 6D 7H 8S 9C TD");
    moveCardToEnd(hand, 4, false, kG);
    EXPECT_EQ(order(hand), "5C AC 2D 3H 4S 6D 7H 8S 9C TD");
    moveCardToEnd(hand, 0, true, kG);
    EXPECT_EQ(order(hand), "AC 2D 3H 4S 6D 7H 8S 9C TD 5C");
    EXPECT_EQ(hand[9].x, 135);
    EXPECT_EQ(hand[9].xEnd, 135 + 71);
}

TEST(HandDrag, GroupsFollowTheLeadingMelds) {
    // A 5-run, then nothing: the fourth line gives gaps after 4 and 7.
    EXPECT_EQ(groupGaps(handOf("AC 2C 3C 4C 5C 9D KH 7S JD 2H")), std::make_pair(4, 7));
    EXPECT_EQ(groupGaps(handOf("AC 2C 3C 4C 5C 9D 9H 9S 9C 2H")), std::make_pair(4, 8));
    EXPECT_EQ(groupGaps(handOf("AC 2C 3C 4C 5C 6D 7D 8D 9D TD")), std::make_pair(4, 4));
    EXPECT_EQ(groupGaps(handOf("7C 7D 7H 7S 4C 5C 6C 9D KH QS")), std::make_pair(3, 6));
    EXPECT_EQ(groupGaps(handOf("KC KD KH 2S 3S 4S 5S 6S 9D QS")), std::make_pair(2, 7));
    EXPECT_EQ(groupGaps(handOf("KC 2D KH 2S 3S 4S 5S 6S 9D QS")), std::make_pair(2, 5));
}

TEST(HandDrag, GroupedLayoutRoundsTheHalfGapToEven) {
    Hand hand = handOf("AC 2C 3C 4C 5C 9D KH 7S JD 2H");
    groupPlayerHand(hand, kG);
    const std::array<int32, 10> want{0, 15, 30, 45, 60, 82, 97, 112, 134, 149};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(hand[i].x, want[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(hand[i].y, 19);
    }
    EXPECT_EQ(hand[4].xEnd, 82); // the gap lies inside the card before it
    EXPECT_EQ(hand[9].xEnd, 149 + 71);
}

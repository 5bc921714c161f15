#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "cards/deal_rules.h"

using namespace quillan;

namespace {

std::vector<int32> asVector(const std::array<int32, 10>& a) {
    return {a.begin(), a.end()};
}

// A shuffled deck from a fixed sequence of draws.
Deck shuffledWith(std::vector<float> draws) {
    Deck deck;
    std::size_t next = 0;
    shuffleDeck(
        deck, [] {}, [&] { return draws[next++ % draws.size()]; });
    return deck;
}

} // namespace

TEST(HandPositions, SpacingSixteenGroupsThreeThreeFourAndTwoThreeFive) {
    EXPECT_EQ(asVector(computerHandPositions(16)),
              (std::vector<int32>{0, 16, 32, 56, 72, 88, 112, 128, 144, 160}));
    EXPECT_EQ(asVector(playerHandPositions(16)),
              (std::vector<int32>{0, 16, 40, 56, 72, 96, 112, 128, 144, 160}));
}

TEST(HandPositions, SpacingFifteenRoundsHalvesToEven) {
    // 45 + 7.5 = 52.5 -> 52; 97 + 7.5 = 104.5 -> 104
    EXPECT_EQ(asVector(computerHandPositions(15)),
              (std::vector<int32>{0, 15, 30, 52, 67, 82, 104, 119, 134, 149}));
    // 30 + 7.5 = 37.5 -> 38; 83 + 7.5 = 90.5 -> 90
    EXPECT_EQ(asVector(playerHandPositions(15)),
              (std::vector<int32>{0, 15, 38, 53, 68, 90, 105, 120, 135, 150}));
}

TEST(DealHands, PlayerCardsCarryClickableEdgesAndHandTop) {
    Deck deck;
    for (int i = 0; i < 52; ++i) {
        setCard(deck[i], i);
    }
    Hand computer;
    Hand player;
    player[10].cardvalue = 33; // left over from a previous hand
    computer[10].keepValue = 7;
    dealHands(deck, computer, player, 16, 19, 71);
    const std::vector<int32> ends{16, 40, 56, 72, 96, 112, 128, 144, 160, 231};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(player[k].xEnd, ends[static_cast<std::size_t>(k)]) << k;
        EXPECT_EQ(player[k].y, 19);
        EXPECT_EQ(player[k].cardvalue, 10 + k);
        EXPECT_EQ(computer[k].cardvalue, k);
        EXPECT_EQ(computer[k].y, 0);
    }
    EXPECT_EQ(player[10], CardSlot{});
    EXPECT_EQ(computer[10], CardSlot{});
}

TEST(ShuffleDeck, IsAPermutationWithRankAndSuitFromTheValue) {
    const Deck deck = shuffledWith({0.37f, 0.99f, 0.0f, 0.51f, 0.73f});
    std::vector<int> seen;
    for (const CardSlot& slot : deck) {
        seen.push_back(slot.cardvalue);
        EXPECT_EQ(slot.rank, slot.cardvalue / 4 + 1);
        EXPECT_EQ(slot.suit, slot.cardvalue % 4);
    }
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(seen[static_cast<std::size_t>(i)], i);
    }
}

TEST(ShuffleDeck, SwapsEachPositionWithOneDrawnFromTheWholeDeck) {
    // Drawing 0 every time swaps every slot with slot 0, below it: the deck rotates by one
    // (a shuffle that only drew from slots i..51 would leave it in order).
    const Deck first = shuffledWith({0.0f});
    EXPECT_EQ(first[0].cardvalue, 51);
    EXPECT_EQ(first[1].cardvalue, 0);
    EXPECT_EQ(first[51].cardvalue, 50);
    // Drawing just under 1 reaches slot 51 (j = floor(r * 52)).
    const Deck last = shuffledWith({0.9999f});
    EXPECT_EQ(last[0].cardvalue, 51);
    EXPECT_EQ(last[50].cardvalue, 49);
    EXPECT_EQ(last[51].cardvalue, 50);
    // A middle draw: slot i swaps with slot 26.
    const Deck middle = shuffledWith({0.5f});
    EXPECT_EQ(middle[0].cardvalue, 26);
    EXPECT_EQ(middle[25].cardvalue, 24);
    EXPECT_EQ(middle[26].cardvalue, 51);
    EXPECT_EQ(middle[27].cardvalue, 25);
}

TEST(ShuffleDeck, ReseedsBeforeEveryDraw) {
    Deck deck;
    std::vector<char> calls;
    shuffleDeck(
        deck, [&] { calls.push_back('s'); },
        [&] {
            calls.push_back('d');
            return 0.5f;
        });
    ASSERT_EQ(calls.size(), 104u);
    for (std::size_t i = 0; i < calls.size(); i += 2) {
        EXPECT_EQ(calls[i], 's');
        EXPECT_EQ(calls[i + 1], 'd');
    }
}

TEST(BuildStock, GinRummyTakesDeckTwentyOnwardsVideoPokerTheWholeDeck) {
    Deck deck;
    for (int i = 0; i < 52; ++i) {
        setCard(deck[i], 51 - i);
    }
    Pile stock;
    buildStock(deck, false, stock);
    ASSERT_EQ(stock.upperBound(), 31);
    EXPECT_EQ(stock[0].cardvalue, deck[20].cardvalue);
    EXPECT_EQ(stock[31].cardvalue, deck[51].cardvalue);
    buildStock(deck, true, stock);
    ASSERT_EQ(stock.upperBound(), 51);
    for (int n = 0; n < 52; ++n) {
        EXPECT_EQ(stock[n].cardvalue, deck[n].cardvalue);
        EXPECT_EQ(stock[n].rank, deck[n].rank);
    }
}

TEST(CardIdentity, AcesAndKingsAndSuits) {
    for (int v = 0; v < 4; ++v) {
        EXPECT_EQ(rankOf(v), 1);
        EXPECT_EQ(rankOf(48 + v), 13);
    }
    for (int v = 0; v < 52; v += 4) {
        EXPECT_EQ(suitOf(v), 0);
    }
}

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <random>

#include "poker/poker_advisor_rules.h"
#include "poker/poker_ladder_rules.h"
#include "poker_test_cards.h"

using namespace quillan;
using quillan::test::pokerHand;

namespace {

PokerHeld holding(std::initializer_list<int> positions) {
    PokerHeld held;
    for (const int p : positions) {
        held[p] = kTrue;
    }
    return held;
}

PokerHeld fromMask(unsigned mask) {
    PokerHeld held;
    for (int i = 0; i < 5; ++i) {
        held[i] = toFlag((mask >> i) & 1u);
    }
    return held;
}

struct Dealt {
    PokerHand hand;
    int16 type;
};

Dealt deal(const std::string& text) {
    const PokerHand hand = pokerHand(text);
    return {hand, EvaluatePokerHand(hand, kDealtHandMode)};
}

} // namespace

TEST(PokerAdvisor, HeldCardsMoveFirstAndPlaceholdersKeepTheirIndex) {
    const PokerHand hand = pokerHand("2C 5D 8H 9S KC");
    const PokerHand held = heldHand(hand, holding({1, 4}));
    EXPECT_EQ(held[0].cardvalue, hand[1].cardvalue);
    EXPECT_EQ(held[1].cardvalue, hand[4].cardvalue);
    for (int i = 2; i < 5; ++i) {
        EXPECT_EQ(held[i].rank, 99 + 2 * i);
        EXPECT_EQ(held[i].suit, 152 + 3 * i);
        EXPECT_EQ(held[i].cardvalue, 200 + 4 * i);
    }
    EXPECT_EQ(heldCount(holding({1, 4})), 2);
    EXPECT_EQ(heldCount(PokerHeld{}), 0);
}

TEST(PokerAdvisor, HighPairHoldsOnlyThePair) {
    const Dealt d = deal("JS JH 4D 7C 9S");
    ASSERT_EQ(d.type, kHighPair);
    EXPECT_TRUE(checkHold(d.hand, holding({0, 1}), d.type).right);
    const HoldCheck extra = checkHold(d.hand, holding({0, 1, 4}), d.type);
    EXPECT_FALSE(extra.right);
    EXPECT_EQ(extra.heldCount, 3);
    EXPECT_EQ(wrongHoldSound(extra.heldCount), "wrong.wav");
}

TEST(PokerAdvisor, SuitedHighCardsBeatAnyTwoHigh) {
    const Dealt d = deal("AS KS QH 4D 8C");
    ASSERT_EQ(d.type, kTwoHighSuited);
    EXPECT_TRUE(checkHold(d.hand, holding({0, 1}), d.type).right);
    const HoldCheck wrong = checkHold(d.hand, holding({1, 2}), d.type);
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.heldCategory, kTwoHigh);
    EXPECT_EQ(wrongHoldSound(wrong.heldCount), "wrong3.wav");
}

TEST(PokerAdvisor, OneHighAndTrash) {
    const Dealt one = deal("2C 5D 8H 9S KC");
    ASSERT_EQ(one.type, kOneHigh);
    EXPECT_TRUE(checkHold(one.hand, holding({4}), one.type).right);
    const HoldCheck none = checkHold(one.hand, PokerHeld{}, one.type);
    EXPECT_FALSE(none.right);
    EXPECT_EQ(none.heldCategory, kAllTrash);
    EXPECT_EQ(wrongHoldSound(none.heldCount), "wrong.wav");

    const Dealt trash = deal("2C 5D 7H 9S 3C");
    ASSERT_EQ(trash.type, kAllTrash);
    EXPECT_TRUE(checkHold(trash.hand, PokerHeld{}, trash.type).right);
    for (int i = 0; i < 5; ++i) {
        const HoldCheck single = checkHold(trash.hand, holding({i}), trash.type);
        EXPECT_FALSE(single.right) << "holding card " << i;
        EXPECT_EQ(wrongHoldSound(single.heldCount), "wrong2.wav");
    }
}

TEST(PokerAdvisor, MadeStraightKeepsAllFive) {
    const Dealt d = deal("4C 5D 6H 7S 8C");
    ASSERT_EQ(d.type, kStraight);
    EXPECT_TRUE(checkHold(d.hand, holding({0, 1, 2, 3, 4}), d.type).right);
    EXPECT_FALSE(checkHold(d.hand, holding({0, 1, 2, 3}), d.type).right);
    EXPECT_EQ(wrongHoldSound(4), "wrong.wav");
    EXPECT_EQ(wrongHoldSound(5), "wrong.wav");
}

TEST(PokerAdvisor, EveryChoiceOfTwoHighCardsPasses) {
    const Dealt d = deal("AS KD QH 4C 8S");
    ASSERT_EQ(d.type, kTwoHigh);
    EXPECT_TRUE(checkHold(d.hand, holding({0, 1}), d.type).right);
    EXPECT_TRUE(checkHold(d.hand, holding({0, 2}), d.type).right);
    EXPECT_TRUE(checkHold(d.hand, holding({1, 2}), d.type).right);
    EXPECT_FALSE(checkHold(d.hand, holding({0, 1, 2}), d.type).right);
}

// For a sample of dealt hands: some hold of exactly the rung's size passes, and every hold
// that passes fails with any card added or any card taken away.
TEST(PokerAdvisor, RightRungPassesAndOneMoreOrFewerFails) {
    std::mt19937 random(2024);
    std::array<int, 52> deck{};
    std::array<int, 22> seen{};
    for (int i = 0; i < 52; ++i) {
        deck[i] = i;
    }
    for (int n = 0; n < 20000; ++n) {
        std::shuffle(deck.begin(), deck.end(), random);
        PokerHand hand;
        for (int i = 0; i < 5; ++i) {
            setCard(hand[i], deck[i]);
        }
        const int16 type = EvaluatePokerHand(hand, kDealtHandMode);
        ++seen[type];
        int passing = 0;
        for (unsigned mask = 0; mask < 32; ++mask) {
            if (!checkHold(hand, fromMask(mask), type).right) {
                continue;
            }
            ++passing;
            ASSERT_EQ(std::popcount(mask), CardsToHand(type));
            for (unsigned b = 0; b < 5; ++b) {
                EXPECT_FALSE(checkHold(hand, fromMask(mask ^ (1u << b)), type).right)
                    << "type " << type << " hold " << mask << " toggling " << b;
            }
        }
        ASSERT_GT(passing, 0) << "no hold passes for type " << type;
    }
    EXPECT_GT(seen[kFourToRoyal], 0);
    EXPECT_GT(seen[kThreeToStraightFlush], 0);
}

TEST(PokerAdvisor, EvaluationIgnoresCardOrder) {
    std::mt19937 random(7);
    std::array<int, 52> deck{};
    for (int i = 0; i < 52; ++i) {
        deck[i] = i;
    }
    for (int n = 0; n < 3000; ++n) {
        std::shuffle(deck.begin(), deck.end(), random);
        std::array<int, 5> order{0, 1, 2, 3, 4};
        PokerHand first;
        for (int i = 0; i < 5; ++i) {
            setCard(first[i], deck[i]);
        }
        const int16 dealtType = EvaluatePokerHand(first, kDealtHandMode);
        const int16 finalType = EvaluatePokerHand(first, kFinalMode);
        while (std::next_permutation(order.begin(), order.end())) {
            PokerHand permuted;
            for (int i = 0; i < 5; ++i) {
                permuted[i] = first[order[i]];
            }
            ASSERT_EQ(EvaluatePokerHand(permuted, kDealtHandMode), dealtType);
            ASSERT_EQ(EvaluatePokerHand(permuted, kFinalMode), finalType);
        }
    }
}

TEST(PokerRun, RunIsOfferedOnlyWhenItBeatsTheSlot) {
    EXPECT_TRUE(runOffersScore(7, 0));
    EXPECT_FALSE(runOffersScore(0, 0));
    EXPECT_FALSE(runOffersScore(5, 5));
}

TEST(PokerRun, CountdownHintsAtNinetyEightAndRestartsAtZero) {
    EXPECT_EQ(countdownTick(100).shown, 99);
    EXPECT_FALSE(countdownTick(100).showHint);
    EXPECT_TRUE(countdownTick(99).showHint);
    const CountdownTick last = countdownTick(1);
    EXPECT_TRUE(last.runEnds);
    EXPECT_EQ(last.shown, kCountdownStart);
    EXPECT_TRUE(countdownTick(-4).runEnds);
    EXPECT_FALSE(countdownTick(2).runEnds);
    EXPECT_THROW(countdownTick(-32768), ProgramError);
}

// The value of every hold of a deal, checked against a plain enumeration written here: each
// hold drawn out over every combination of the 47 unseen cards, each finished hand paid from
// the machine's pay table as printed on the glass.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "poker/poker_hold_value_rules.h"
#include "poker/poker_session_tally_rules.h"
#include "rules/poker_test_cards.h"

using namespace quillan;
using quillan::test::pokerHand;

namespace {

// Credits on a bet of 5 by final category.
const std::map<int, std::int64_t> kPays = {{1, 4000}, {2, 250}, {3, 125}, {4, 45}, {6, 30},
                                           {7, 20},   {8, 15},  {10, 10}, {11, 5}};

struct Enumerated {
    std::int64_t payTotal = 0;
    std::int64_t draws = 0;
    std::array<std::int32_t, kCategoryCount> finals{};
};

// Keeps the cards of `mask`, then tries every way of filling the other places from the
// unseen cards, one finished hand at a time.
Enumerated enumerate(const PokerHand& deal, unsigned mask) {
    std::vector<int> unseen;
    for (int v = 0; v < 52; ++v) {
        if (std::none_of(deal.begin(), deal.end(),
                         [v](const CardSlot& c) { return c.cardvalue == v; })) {
            unseen.push_back(v);
        }
    }
    std::vector<int> open;
    for (int i = 0; i < 5; ++i) {
        if (!((mask >> i) & 1u)) {
            open.push_back(i);
        }
    }
    Enumerated e;
    PokerHand hand = deal;
    std::vector<int> pick(open.size());
    const auto n = static_cast<int>(unseen.size());
    // pick[0] < pick[1] < ... indexes into `unseen`, advanced like an odometer.
    for (std::size_t j = 0; j < pick.size(); ++j) {
        pick[j] = static_cast<int>(j);
    }
    while (true) {
        for (std::size_t j = 0; j < open.size(); ++j) {
            setCard(hand[open[j]], unseen[static_cast<std::size_t>(pick[j])]);
        }
        const int category = EvaluatePokerHand(hand, kFinalMode);
        ++e.draws;
        ++e.finals[static_cast<std::size_t>(category - 1)];
        e.payTotal += kPays.count(category) ? kPays.at(category) : 0;
        int j = static_cast<int>(pick.size()) - 1;
        while (j >= 0 &&
               pick[static_cast<std::size_t>(j)] == n - static_cast<int>(pick.size()) + j) {
            --j;
        }
        if (j < 0) {
            return e;
        }
        ++pick[static_cast<std::size_t>(j)];
        for (std::size_t k = static_cast<std::size_t>(j) + 1; k < pick.size(); ++k) {
            pick[k] = pick[k - 1] + 1;
        }
    }
}

const HoldValueTable& table() {
    static const HoldValueTable built;
    return built;
}

// All 32 holds against the enumeration, count for count.
void expectExact(const PokerHand& deal, const DealAnalysis& analysis) {
    std::array<bool, kHoldCount> seen{};
    for (const HoldValue& hold : analysis.holds) {
        ASSERT_LT(hold.mask, 32u);
        seen[hold.mask] = true;
        const Enumerated e = enumerate(deal, hold.mask);
        EXPECT_EQ(hold.draws, e.draws) << "mask " << hold.mask;
        EXPECT_EQ(hold.payTotal, e.payTotal) << "mask " << hold.mask;
        EXPECT_EQ(hold.finals, e.finals) << "mask " << hold.mask;
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](bool s) { return s; }));
    for (std::size_t i = 1; i < analysis.holds.size(); ++i) {
        EXPECT_GE(analysis.holds[i - 1].scaled(), analysis.holds[i].scaled());
    }
}

DealAnalysis checked(const std::string& text) {
    const PokerHand deal = pokerHand(text);
    DealAnalysis analysis = table().analyse(deal);
    expectExact(deal, analysis);
    return analysis;
}

constexpr unsigned kAll = 31;

} // namespace

TEST(PokerHoldValue, EveryHandOfTheDeckIsCountedOnceByCategory) {
    std::array<std::int32_t, kCategoryCount> all{};
    table().addCounts(nullptr, 0, all);
    EXPECT_EQ(all[0], 4);       // royal
    EXPECT_EQ(all[1], 36);      // straight flush
    EXPECT_EQ(all[2], 624);     // four of a kind
    EXPECT_EQ(all[3], 3744);    // full house
    EXPECT_EQ(all[4], 0);       // four to a royal is never a finished hand
    EXPECT_EQ(all[5], 5108);    // flush
    EXPECT_EQ(all[6], 10200);   // straight
    EXPECT_EQ(all[7], 54912);   // three of a kind
    EXPECT_EQ(all[8], 0);       // nor is four to a straight flush
    EXPECT_EQ(all[9], 123552);  // two pair
    EXPECT_EQ(all[10], 337920); // jacks or better
    std::int64_t sum = 0;
    for (const auto n : all) {
        sum += n;
    }
    EXPECT_EQ(sum, 2598960);
}

TEST(PokerHoldValue, ADealtRoyalKeepsAllFiveForFourThousand) {
    for (const char* deal : {"TS JS QS KS AS", "AH KH QH JH TH"}) {
        const DealAnalysis a = checked(deal);
        EXPECT_EQ(a.best().mask, kAll);
        EXPECT_EQ(a.best().payTotal, 4000);
        EXPECT_DOUBLE_EQ(a.best().perCredit(), 800.0);
        EXPECT_EQ(a.ladderHold().mask, kAll);
        EXPECT_EQ(a.costOf(kAll), 0.0);
    }
}

TEST(PokerHoldValue, FourToARoyalBeatsTheHighPairItBreaks) {
    for (const char* deal : {"AH KH QH JH AS", "KD QD JD TD KC"}) {
        const DealAnalysis a = checked(deal);
        EXPECT_EQ(a.best().mask, 0b01111u) << deal;
        EXPECT_EQ(a.ladderHold().mask, 0b01111u) << deal;
        EXPECT_GT(a.costOf(0b10001u), 0.0); // the pair alone
    }
}

TEST(PokerHoldValue, ALowPairIsKeptOnItsOwn) {
    for (const char* deal : {"7C 7D 2H 9S KH", "3S 8H 3H TC 5D"}) {
        const DealAnalysis a = checked(deal);
        EXPECT_EQ(a.ladderCategory, kLowPair);
        EXPECT_EQ(a.best().keptCount(), 2) << deal;
        EXPECT_EQ(a.best().mask, a.ladderHold().mask) << deal;
    }
}

TEST(PokerHoldValue, GarbageDrawsFive) {
    for (const char* deal : {"2C 7D 9H 4S 3D", "8C 3H 6D 2S 9H"}) {
        const DealAnalysis a = checked(deal);
        EXPECT_EQ(a.ladderCategory, kAllTrash);
        EXPECT_EQ(a.best().mask, 0u) << deal;
        EXPECT_EQ(a.best().draws, 1533939);
    }
}

// Deals where the first rung the ladder meets is not the best play: three unsuited high cards
// to a straight (ladder: two of them), four to an inside straight with four high cards (with
// and without a suited pair of them), a gapped three to a straight flush (ladder: nothing).
TEST(PokerHoldValue, TheLadderFallsShortOnSomeDeals) {
    for (const char* deal :
         {"KS QH JD 5C 2H", "AS KH QD JC 3S", "AH 2S JH QD KC", "2H 3H 5H 6D 7C"}) {
        const DealAnalysis a = checked(deal);
        EXPECT_LT(a.ladderHold().scaled(), a.best().scaled()) << deal;
        EXPECT_GT(a.costOf(a.ladderHold().mask), 0.0) << deal;
        EXPECT_FALSE(a.best().ladder) << deal;
    }
}

// The analysis asked for the same deal with its cards in another order finds the same values,
// position by position.
TEST(PokerHoldValue, TheOrderOfTheCardsOnlyMovesTheMasks) {
    const DealAnalysis a = table().analyse(pokerHand("QH JH TS 4C 8D"));
    const DealAnalysis b = table().analyse(pokerHand("8D 4C TS JH QH"));
    for (unsigned m = 0; m < 32; ++m) {
        unsigned mirrored = 0;
        for (int i = 0; i < 5; ++i) {
            mirrored |= ((m >> i) & 1u) << (4 - i);
        }
        EXPECT_EQ(a.forMask(m).payTotal, b.forMask(mirrored).payTotal);
    }
}

TEST(PokerHoldValue, EqualHoldsPutTheLaddersFirst) {
    // Four kings: keeping the kicker or drawing to the four is worth 125 either way; the
    // ladder keeps four, so the four come first.
    const DealAnalysis a = checked("KC KD KH KS 2C");
    EXPECT_EQ(a.holds[0].scaled(), a.holds[1].scaled());
    EXPECT_EQ(a.best().mask, 0b01111u);
    EXPECT_TRUE(a.best().ladder);
    EXPECT_EQ(a.holds[1].mask, kAll);
    EXPECT_EQ(a.rankOf(kAll), 1);
    EXPECT_EQ(a.costOf(kAll), 0.0);
}

TEST(PokerHoldValue, RandomDealsMatchTheEnumeration) {
    std::mt19937 random(20261209);
    std::vector<int> deck(52);
    for (int i = 0; i < 52; ++i) {
        deck[static_cast<std::size_t>(i)] = i;
    }
    for (int round = 0; round < 6; ++round) {
        std::shuffle(deck.begin(), deck.end(), random);
        PokerHand deal;
        for (int i = 0; i < 5; ++i) {
            setCard(deal[i], deck[static_cast<std::size_t>(i)]);
        }
        expectExact(deal, table().analyse(deal));
    }
}

TEST(PokerHoldValue, ADealOfAnythingButFiveDifferentCardsIsRefused) {
    PokerHand twice = pokerHand("JS JH 4D 7C 9S");
    twice[4] = twice[0];
    EXPECT_THROW(table().analyse(twice), ProgramError);
    PokerHand placeholder = pokerHand("JS JH 4D 7C 9S");
    placeholder[2].cardvalue = 200;
    EXPECT_THROW(table().analyse(placeholder), ProgramError);
}

TEST(PokerSessionTally, CountsMatchesCostsAndWhatWasPaid) {
    SessionTally tally;
    EXPECT_EQ(tally.actualReturn(), 0.0);
    const DealAnalysis jacks = table().analyse(pokerHand("JS JH 4D 7C 9S"));
    tally.add(jacks, 0b00011u, kHighPair); // the best play, finished as a pair of jacks
    EXPECT_EQ(tally.hands(), 1);
    EXPECT_EQ(tally.matched(), 1);
    EXPECT_EQ(tally.mistakeCost(), 0.0);
    tally.add(jacks, 0b10011u, kThreeOfAKind); // an extra kicker: a mistake that paid 15
    EXPECT_EQ(tally.hands(), 2);
    EXPECT_EQ(tally.matched(), 1);
    EXPECT_NEAR(tally.mistakeCost(), jacks.costOf(0b10011u), 1e-12);
    EXPECT_GT(tally.mistakeCost(), 0.0);
    EXPECT_DOUBLE_EQ(tally.actualReturn(), 20.0 / 10.0);
}

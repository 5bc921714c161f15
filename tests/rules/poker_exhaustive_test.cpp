// Every five-card hand of the deck, classified by the evaluator and by a reference written
// here from the rungs' definitions as "some subset of the cards does X", without sorting or
// counting tables.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <map>
#include <vector>

#include "poker/poker_eval_rules.h"
#include "poker/poker_ladder_rules.h"

using namespace quillan;

namespace {

struct Card {
    int rank;
    int suit;
};
using Cards = std::array<Card, 5>;

bool royalRank(int r) {
    return r == 1 || r >= 10;
}
bool highRank(int r) {
    return r == 1 || r >= 11;
}

// What holds for each subset (bit i = card i) of the five cards, built up card by card.
struct Subsets {
    std::array<bool, 32> suited{};   // one suit
    std::array<bool, 32> oneRank{};  // one rank
    std::array<bool, 32> royal{};    // royal ranks only
    std::array<bool, 32> high{};     // high cards only
    std::array<unsigned, 32> set{};  // bit r for each rank r; 0 when two cards share a rank
    std::array<int, 32> firstSuit{}; // suit of the lowest card in the subset

    explicit Subsets(const Cards& c) {
        suited[0] = oneRank[0] = royal[0] = high[0] = true;
        for (unsigned m = 1; m < 32; ++m) {
            const int i = std::countr_zero(m);
            const unsigned rest = m & (m - 1);
            const Card& card = c[static_cast<std::size_t>(i)];
            const int other = rest ? std::countr_zero(rest) : i;
            firstSuit[m] = card.suit;
            suited[m] = suited[rest] && c[static_cast<std::size_t>(other)].suit == card.suit;
            oneRank[m] = oneRank[rest] && c[static_cast<std::size_t>(other)].rank == card.rank;
            royal[m] = royal[rest] && royalRank(card.rank);
            high[m] = high[rest] && highRank(card.rank);
            const unsigned bit = 1u << card.rank;
            set[m] = (rest && (set[rest] == 0 || (set[rest] & bit))) ? 0 : (set[rest] | bit);
        }
    }

    bool consecutive(unsigned m) const {
        return set[m] != 0 && (set[m] >> std::countr_zero(set[m])) == (1u << std::popcount(m)) - 1;
    }
};

const std::array<std::vector<unsigned>, 6> kMasksBySize = [] {
    std::array<std::vector<unsigned>, 6> masks;
    for (unsigned mask = 1; mask < 32; ++mask) {
        masks[static_cast<std::size_t>(std::popcount(mask))].push_back(mask);
    }
    return masks;
}();

template <typename Test> bool someSubset(int size, Test test) {
    for (const unsigned mask : kMasksBySize[static_cast<std::size_t>(size)]) {
        if (test(mask)) {
            return true;
        }
    }
    return false;
}

constexpr unsigned kRoyalRanks = (1u << 1) | (1u << 10) | (1u << 11) | (1u << 12) | (1u << 13);

int referenceMade(const Subsets& s, bool dealt) {
    const bool flush = s.suited[31];
    const bool aceHigh = s.set[31] == kRoyalRanks;
    if (flush && aceHigh) {
        return 1;
    }
    if (flush && s.consecutive(31)) {
        return 2;
    }
    if (someSubset(4, [&](unsigned m) { return s.oneRank[m]; })) {
        return 3;
    }
    if (someSubset(3, [&](unsigned m) { return s.oneRank[m] && s.oneRank[31 & ~m]; })) {
        return 4;
    }
    if (dealt && someSubset(4, [&](unsigned m) { return s.suited[m] && s.royal[m]; })) {
        return 5;
    }
    if (flush) {
        return 6;
    }
    if (s.consecutive(31) || aceHigh) {
        return 7;
    }
    if (someSubset(3, [&](unsigned m) { return s.oneRank[m]; })) {
        return 8;
    }
    if (dealt && someSubset(4, [&](unsigned m) { return s.suited[m] && s.consecutive(m); })) {
        return 9;
    }
    return 0;
}

int referencePairs(const Subsets& s) {
    int pairs = 0;
    for (const unsigned m : kMasksBySize[2]) {
        pairs += s.oneRank[m] ? 1 : 0;
    }
    if (pairs == 2) {
        return 10;
    }
    if (someSubset(2, [&](unsigned m) { return s.oneRank[m] && s.high[m]; })) {
        return 11;
    }
    return pairs == 1 ? 14 : 0;
}

// No card outside the subset shares its suit.
bool wholeSuit(const Subsets& s, unsigned m) {
    for (unsigned i = 0; i < 5; ++i) {
        const unsigned bit = 1u << i;
        if (!(m & bit) && s.firstSuit[bit] == s.firstSuit[m]) {
            return false;
        }
    }
    return true;
}

int referenceDraw(const Subsets& s) {
    constexpr unsigned kAceToFour = 0b11110u;
    constexpr unsigned kTen = 1u << 10;
    constexpr unsigned kFaces = (1u << 11) | (1u << 12) | (1u << 13);
    if (someSubset(3, [&](unsigned m) { return s.suited[m] && s.royal[m]; })) {
        return 12;
    }
    if (someSubset(4, [&](unsigned m) { return s.suited[m]; })) {
        return 13;
    }
    if (someSubset(4, [&](unsigned m) { return s.consecutive(m) && s.set[m] != kAceToFour; })) {
        return 15;
    }
    if (someSubset(2, [&](unsigned m) { return s.suited[m] && s.high[m]; })) {
        return 16;
    }
    if (someSubset(
            3, [&](unsigned m) { return s.suited[m] && s.consecutive(m) && wholeSuit(s, m); })) {
        return 17;
    }
    if (someSubset(2, [&](unsigned m) { return s.high[m]; })) {
        return 18;
    }
    if (someSubset(2, [&](unsigned m) {
            return s.suited[m] && (s.set[m] & kTen) && (s.set[m] & kFaces);
        })) {
        return 19;
    }
    return someSubset(1, [&](unsigned m) { return s.high[m]; }) ? 20 : 21;
}

int reference(const Cards& c, bool dealt) {
    const Subsets s(c);
    if (const int made = referenceMade(s, dealt)) {
        return made;
    }
    const int pairs = referencePairs(s);
    if (pairs == 10 || pairs == 11) {
        return pairs;
    }
    const int draw = referenceDraw(s);
    // The low pair sits between four to a flush and four to an outside straight.
    return (pairs == 14 && draw > 13) ? 14 : draw;
}

// Runs `visit(hand, cards)` over all 2,598,960 hands.
template <typename Visit> void forEveryHand(Visit visit) {
    PokerHand hand;
    Cards cards{};
    std::array<int, 5> v{};
    for (v[0] = 0; v[0] < 48; ++v[0])
        for (v[1] = v[0] + 1; v[1] < 49; ++v[1])
            for (v[2] = v[1] + 1; v[2] < 50; ++v[2])
                for (v[3] = v[2] + 1; v[3] < 51; ++v[3])
                    for (v[4] = v[3] + 1; v[4] < 52; ++v[4]) {
                        for (int i = 0; i < 5; ++i) {
                            setCard(hand[i], v[i]);
                            cards[i] = {hand[i].rank, hand[i].suit};
                        }
                        visit(hand, cards);
                    }
}

void compareWithReference(int16 mode, std::array<long, 22>& counts) {
    long mismatches = 0;
    forEveryHand([&](const PokerHand& hand, const Cards& cards) {
        const int got = EvaluatePokerHand(hand, mode);
        ++counts[static_cast<std::size_t>(got)];
        if (got != reference(cards, mode == kDealtHandMode) && ++mismatches <= 5) {
            ADD_FAILURE() << "hand " << hand[0].cardvalue << " " << hand[1].cardvalue << " "
                          << hand[2].cardvalue << " " << hand[3].cardvalue << " "
                          << hand[4].cardvalue << " classified " << got << ", reference "
                          << reference(cards, mode == kDealtHandMode);
        }
    });
    EXPECT_EQ(mismatches, 0);
}

} // namespace

TEST(PokerExhaustive, FinalModeMatchesReferenceAndStandardCounts) {
    std::array<long, 22> counts{};
    compareWithReference(kFinalMode, counts);
    EXPECT_EQ(counts[kRoyal], 4);
    EXPECT_EQ(counts[kStraightFlush], 36);
    EXPECT_EQ(counts[kFourOfAKind], 624);
    EXPECT_EQ(counts[kFullHouse], 3744);
    EXPECT_EQ(counts[kFlush], 5108);
    EXPECT_EQ(counts[kStraight], 10200);
    EXPECT_EQ(counts[kThreeOfAKind], 54912);
    EXPECT_EQ(counts[kTwoPair], 123552);
    EXPECT_EQ(counts[kHighPair], 337920);
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[kFourToRoyal], 0);
    EXPECT_EQ(counts[kFourToStraightFlush], 0);
    long total = 0;
    for (const long n : counts) {
        total += n;
    }
    EXPECT_EQ(total, 2598960);
}

TEST(PokerExhaustive, DealtModeMatchesReferenceAndReachesEveryRung) {
    std::array<long, 22> counts{};
    compareWithReference(kDealtHandMode, counts);
    EXPECT_EQ(counts[0], 0);
    for (int c = 1; c <= 21; ++c) {
        EXPECT_GT(counts[static_cast<std::size_t>(c)], 0) << "category " << c;
    }
    // A dealt four to a royal is a made flush or straight no more: those counts move to 5.
    EXPECT_EQ(counts[kRoyal], 4);
    EXPECT_EQ(counts[kStraightFlush], 36);
    EXPECT_LT(counts[kFlush], 5108);
    EXPECT_LT(counts[kStraight], 10200);
}

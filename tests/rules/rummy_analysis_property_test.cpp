// Property checks of the hand analysis over many random ten- and eleven-card hands, against an
// independent brute-force solver that finds the lowest possible deadwood over every meld
// arrangement (sets of 3 or 4, runs of any length of 3 or more).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <random>
#include <vector>

#include "rummy/hand_analysis_rules.h"
#include "rummy/meld_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

namespace {

// ---- the reference solver: melds as bit masks over the hand's positions ----

int points(int value) {
    return std::min(value / 4 + 1, 10);
}

std::vector<unsigned> allMelds(const std::vector<int>& hand) {
    std::vector<unsigned> melds;
    const int n = static_cast<int>(hand.size());
    for (int rank = 0; rank < 13; ++rank) {
        std::vector<int> at;
        for (int i = 0; i < n; ++i) {
            if (hand[static_cast<size_t>(i)] / 4 == rank) {
                at.push_back(i);
            }
        }
        const int k = static_cast<int>(at.size());
        for (unsigned sub = 0; sub < (1u << k); ++sub) {
            if (std::popcount(sub) >= 3) {
                unsigned mask = 0;
                for (int b = 0; b < k; ++b) {
                    mask |= (sub >> b & 1u) ? 1u << at[static_cast<size_t>(b)] : 0u;
                }
                melds.push_back(mask);
            }
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        std::array<int, 13> pos{};
        pos.fill(-1);
        for (int i = 0; i < n; ++i) {
            if (hand[static_cast<size_t>(i)] % 4 == suit) {
                pos[static_cast<size_t>(hand[static_cast<size_t>(i)] / 4)] = i;
            }
        }
        for (int lo = 0; lo < 13; ++lo) {
            unsigned mask = 0;
            for (int hi = lo; hi < 13 && pos[static_cast<size_t>(hi)] >= 0; ++hi) {
                mask |= 1u << pos[static_cast<size_t>(hi)];
                if (hi - lo >= 2) {
                    melds.push_back(mask);
                }
            }
        }
    }
    return melds;
}

// Lowest deadwood of the cards in `mask`; with `mustDiscard` exactly one card is thrown away.
int best(const std::vector<int>& hand, const std::vector<unsigned>& melds, unsigned mask,
         bool mustDiscard) {
    if (mask == 0) {
        return mustDiscard ? INT_MAX / 2 : 0;
    }
    const int low = std::countr_zero(mask);
    const unsigned lowBit = 1u << low;
    int result =
        points(hand[static_cast<size_t>(low)]) + best(hand, melds, mask & ~lowBit, mustDiscard);
    if (mustDiscard) {
        result = std::min(result, best(hand, melds, mask & ~lowBit, false));
    }
    for (unsigned meld : melds) {
        if ((meld & lowBit) && (meld & mask) == meld) {
            result = std::min(result, best(hand, melds, mask & ~meld, mustDiscard));
        }
    }
    return result;
}

// Optimal deadwood: a ten-card hand as it is, an eleven-card hand after its best discard.
int optimalDeadwood(const std::vector<int>& hand) {
    const std::vector<unsigned> melds = allMelds(hand);
    const unsigned all = (1u << hand.size()) - 1;
    return best(hand, melds, all, hand.size() == 11);
}

// ---- independent checks of one analysis ----

bool isRealSet(const CardList& m) {
    if (m.size() < 3 || m.size() > 4) {
        return false;
    }
    return std::all_of(m.begin(), m.end(), [&](const CardSlot& c) { return c.rank == m[0].rank; });
}

bool isRealRun(const CardList& m) {
    if (m.size() < 3 || m.size() > 5) {
        return false;
    }
    const int step = m.size() == 3 ? 1 : -1; // 3-runs lowest first, longer runs highest first
    for (int i = 1; i < m.size(); ++i) {
        if (m[i].suit != m[0].suit || m[i].rank != m[i - 1].rank + step) {
            return false;
        }
    }
    return true;
}

int expectedNeighbourValue(const HandAnalysis& a, const CardSlot& c) {
    int value = 0;
    for (const CardSlot& o : a.unmatched) {
        value += o.rank == c.rank ? 1 : 0;
        value += o.suit == c.suit && std::abs(o.rank - c.rank) == 1 ? 1 : 0;
    }
    return value;
}

void checkAnalysis(const std::vector<CardSlot>& hand, const HandAnalysis& a, int optimum) {
    std::vector<int> seen;
    for (int m = 0; m < a.meldCount; ++m) {
        const CardList& meld = a.melds[static_cast<size_t>(m)];
        ASSERT_TRUE(isRealSet(meld) || isRealRun(meld)) << names(meld);
        for (const CardSlot& c : meld) {
            seen.push_back(c.cardvalue);
        }
    }
    for (const CardSlot& c : a.unmatched) {
        seen.push_back(c.cardvalue);
    }
    std::vector<int> values;
    for (const CardSlot& c : hand) {
        values.push_back(c.cardvalue);
    }
    std::sort(seen.begin(), seen.end());
    std::sort(values.begin(), values.end());
    ASSERT_EQ(seen, values) << names(hand);

    ASSERT_GE(a.deadwood, optimum) << names(hand);
    if (a.gin) {
        ASSERT_EQ(optimum, 0) << names(hand);
    }
    ASSERT_TRUE(
        std::is_sorted(a.unmatched.begin(), a.unmatched.end(),
                       [](const CardSlot& x, const CardSlot& y) { return x.rank < y.rank; }));
    if (!a.unmatched.empty()) {
        ASSERT_EQ(a.discardCandidate, a.unmatched.back());
    }
    if (!(a.gin && hand.size() == 11)) {
        ASSERT_EQ(a.deadwood, countDeadwood(a.storedUnmatched)) << names(hand);
    }

    ASSERT_EQ(a.keepValuesSet, a.shape != 0);
    if (!a.keepValuesSet) {
        return;
    }
    for (size_t i = 0; i < hand.size(); ++i) {
        const int kv = a.keepValues[i];
        const bool inMeld = !a.unmatched.holds(hand[i].cardvalue);
        if (inMeld) {
            ASSERT_EQ(kv, 10);
        } else if (a.shape == 1) {
            ASSERT_EQ(kv, a.gin && i == 10 ? 10 : 0);
        } else {
            ASSERT_GE(kv, 1);
            ASSERT_LE(kv, 6);
            ASSERT_EQ(kv, expectedNeighbourValue(a, hand[i])) << names(hand);
        }
    }
}

// Half the hands are drawn at random; the other half are built from random melds and then
// filled up, so that every shape and gin turn up often.
std::vector<CardSlot> randomHand(std::mt19937& rng, int size) {
    std::array<bool, 52> used{};
    std::vector<CardSlot> hand;
    auto add = [&](int v) {
        if (v >= 0 && v < 52 && !used[static_cast<size_t>(v)] &&
            static_cast<int>(hand.size()) < size) {
            used[static_cast<size_t>(v)] = true;
            hand.push_back(cardOf(v));
        }
    };
    if (rng() % 2 == 0) {
        for (int tries = 0; tries < 4; ++tries) {
            const int length = 3 + static_cast<int>(rng() % 3);
            if (rng() % 2 == 0) {
                const int rank = static_cast<int>(rng() % 13);
                for (int s = 0; s < std::min(length, 4); ++s) {
                    add(rank * 4 + s);
                }
            } else {
                const int suit = static_cast<int>(rng() % 4);
                const int low = static_cast<int>(rng() % (14 - length));
                for (int r = low; r < low + length; ++r) {
                    add(r * 4 + suit);
                }
            }
        }
    }
    while (static_cast<int>(hand.size()) < size) {
        add(static_cast<int>(rng() % 52));
    }
    std::shuffle(hand.begin(), hand.end(), rng);
    return hand;
}

} // namespace

TEST(RummyAnalysisProperty, ReferenceSolverKnowsGinAndDiscards) {
    auto values = [](const std::string& text) {
        std::vector<int> v;
        for (const CardSlot& c : cards(text)) {
            v.push_back(c.cardvalue);
        }
        return v;
    };
    EXPECT_EQ(optimalDeadwood(values("2H 3H 4H 5H 6H 7H 8H 9H TH JH")), 0);
    EXPECT_EQ(optimalDeadwood(values("2H 3H 4H 5H 6H 7H 8H 9H TH JH KS")), 0);
    EXPECT_EQ(optimalDeadwood(values("AC 2D 4H 6S 8C TD QH 3S 5C 7D")),
              1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 10 + 10);
    EXPECT_EQ(optimalDeadwood(values("AC 2D 4H 6S 8C TD QH 3S 5C 7D KS")), 56);
}

TEST(RummyAnalysisProperty, RandomHandsAgainstBruteForce) {
    std::mt19937 rng(20240611);
    std::array<int, 11> shapes{};
    int gins = 0;
    constexpr int kHandsPerSize = 110000;
    for (int size : {10, 11}) {
        for (int n = 0; n < kHandsPerSize; ++n) {
            const std::vector<CardSlot> hand = randomHand(rng, size);
            std::vector<int> values;
            for (const CardSlot& c : hand) {
                values.push_back(c.cardvalue);
            }
            const AnalysisInput input{n % 2 == 0, n % 3 == 0, static_cast<int>(n % 30)};
            HandAnalysis a;
            ASSERT_NO_THROW(a = analyseHand(hand, input)) << names(hand);
            checkAnalysis(hand, a, optimalDeadwood(values));
            if (HasFatalFailure()) {
                return;
            }
            ++shapes[static_cast<size_t>(a.shape)];
            gins += a.gin ? 1 : 0;
        }
    }
    for (int shape : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10}) {
        EXPECT_GT(shapes[static_cast<size_t>(shape)], 100) << "shape " << shape;
    }
    EXPECT_EQ(shapes[8], 0); // order 8 repeats order 7 and finds nothing it missed
    EXPECT_GT(gins, 1000);
}

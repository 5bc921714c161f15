#pragma once
// The exact value of every hold of a dealt Video Poker hand.
//
// A hold keeps some of the five dealt cards (bit i of its mask = card i kept) and draws the
// rest from the 47 cards not dealt; it is worth what the machine pays (on a bet of 5) averaged
// over every possible draw. Values are exact: each hold carries integer counts of how its
// draws finish, category by category, and the division happens only when a figure is shown.
//
// How it is done fast: a table built once counts, for every set S of up to four cards, how
// many of the 2,598,960 five-card hands containing S fall into each final category. The draws
// of a hold H from deal D are the five-card hands that contain H and no other card of D, and
// by inclusion-exclusion their counts are the alternating sum of the table's counts over the
// sets between H and D. So one deal takes 32 table reads and one Moebius pass over its 32
// subsets, for all 32 holds at once.
//
// Order of the holds, best first: higher exact value; among equal values, a hold the
// advisor's ladder accepts comes first, then the hold keeping fewer cards, then the smaller
// mask read as a binary number (bit i = card i).

#include <array>
#include <cstdint>
#include <vector>

#include "common/int16.h"
#include "poker/poker_advisor_rules.h"
#include "poker/poker_eval_rules.h"
#include "poker/poker_ladder_rules.h"
#include "poker/poker_pay_rules.h"

namespace quillan {

inline constexpr int kHoldCount = 32;
// The least common multiple of C(47, k) for k = 0..5: every hold's value is a whole number
// of 1 / kCommonDraws credits, which makes values comparable and summable exactly.
inline constexpr std::int64_t kCommonDraws = 7669695;

// Number of ways to draw `cards` cards from the 47 unseen ones: C(47, cards).
std::int64_t drawsOf(int cards);

struct HoldValue {
    unsigned mask = 0;         // bit i: card i is kept
    std::int64_t payTotal = 0; // credits paid on a bet of 5, summed over every draw
    std::int64_t draws = 1;    // C(47, 5 - kept cards)
    // How many of the draws finish in category c (index c - 1; 5 and 9 stay 0).
    std::array<std::int32_t, kCategoryCount> finals{};
    bool ladder = false; // the advisor's checking mode accepts this hold

    int keptCount() const;
    // The value in 1 / kCommonDraws credits (on a bet of 5): exact, comparable, summable.
    std::int64_t scaled() const { return payTotal * (kCommonDraws / draws); }
    double perBet() const { return static_cast<double>(payTotal) / static_cast<double>(draws); }
    double perCredit() const { return perBet() / kPokerBet; }
};

// The 32 holds of one deal, best first (see the order above).
struct DealAnalysis {
    PokerHand deal{};
    int16 ladderCategory = 0; // the dealt hand's ladder rung (dealt-hand mode)
    std::array<HoldValue, kHoldCount> holds{};

    const HoldValue& best() const { return holds[0]; }
    // The best of the holds the ladder accepts (there is always at least one).
    const HoldValue& ladderHold() const;
    const HoldValue& forMask(unsigned mask) const;
    // What keeping `mask` costs against the best hold, in credits on a bet of 5 (>= 0).
    double costOf(unsigned mask) const;
    // Its place in the order, 0 = best.
    int rankOf(unsigned mask) const;
};

// True when `a` comes before `b` in the order of the holds.
bool holdComesFirst(const HoldValue& a, const HoldValue& b);

// The counts behind the analysis; about 6 MB, built in a fraction of a second. Immutable
// once built, so one table may serve any number of threads.
class HoldValueTable {
  public:
    HoldValueTable();

    // Every hold of the five dealt cards. Anything but five different real cards raises
    // "Subscript out of range".
    DealAnalysis analyse(const PokerHand& deal) const;

    // Five-card hands containing the `size` cards (ascending card values) per final category,
    // added into `out` (index category - 1). Exposed for checks of the table itself.
    void addCounts(const int* cards, int size, std::array<std::int32_t, kCategoryCount>& out) const;

  private:
    std::vector<std::uint32_t> none_;  // the empty set: every hand
    std::vector<std::uint32_t> one_;   // 52 single cards
    std::vector<std::uint16_t> two_;   // 1,326 pairs of cards
    std::vector<std::uint16_t> three_; // 22,100 sets of three
    std::vector<std::uint8_t> four_;   // 270,725 sets of four (at most 48 hands each)
};

// The held flags (-1 = held) of a mask.
PokerHeld heldFlags(unsigned mask);
// The mask of held flags.
unsigned maskOf(const PokerHeld& held);

} // namespace quillan

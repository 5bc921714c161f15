#pragma once
// Where the cards of the piles are painted inside their pictures: the reject pile's
// three-card fan, the four stages of the face-down deal pile, and the grouped positions of
// the ten cards of a hand.

#include <array>
#include <vector>

#include "common/int16.h"

namespace quillan {

struct PileCard {
    long index = 0; // slot of the pile (reject pile) or order of painting (deal pile)
    int32 x = 0;
    int32 y = 0;
    bool operator==(const PileCard&) const = default;
};

// Reject pile with the given upper bound (slot 0 is the empty placeholder): the top three
// cards, oldest first, at (0, 0), (5, 1), (10, 2). Nothing when the pile is empty.
std::vector<PileCard> rejectFan(long upperBound);

// Deal pile picture `stage` (0..3) holds 4 - stage backs, each 2 right and 1 down from the
// one below, painted bottom first. Nothing for a stage outside 0..3.
std::vector<PileCard> dealPileBacks(int stage);

inline constexpr int kDealPileStages = 4;
// Where the top card of the full pile lies (the animated back is played there).
inline constexpr int32 kDealPileTopX = 6;
inline constexpr int32 kDealPileTopY = 3;

// x of the ten cards of a hand, cardSpacing apart with an extra half spacing (the sum
// rounded, halves to even) after card `firstGap` and card `secondGap` (0-based).
std::array<int32, 10> groupedHandXs(int16 cardSpacing, int firstGap, int secondGap);

// The computer's hand shows as groups of 3, 3 and 4.
inline std::array<int32, 10> computerHandXs(int16 cardSpacing) {
    return groupedHandXs(cardSpacing, 2, 5);
}

} // namespace quillan

namespace quillan {

// The deal pile picture (0..3) that shows a stock of `entries` cards: the full pile down to
// 9 cards, then one back fewer for every two cards drawn, one back from 4 cards on.
int dealPileStageFor(long entries);

} // namespace quillan

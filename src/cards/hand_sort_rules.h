#pragma once
// Sorting the player's ten cards by rank or by suit, and the 3-3-4 layout that a sorted hand
// (and the computer's hand) is shown in. Both sorts are stable and move whole slots; slot 10
// (a card just drawn) is never touched.

#include <array>

#include "cards/card_slot.h"

namespace quillan {

// Slots 0..9 ordered by rank, ace first; equal ranks keep their order.
void sortByRank(Hand& hand);

// Slots 0..9 ordered by suit number 0..3; within a suit the cards keep their order.
void sortBySuit(Hand& hand);

// Left edges of ten cards in groups of 3, 3 and 4: each cardSpacing right of the previous,
// with an extra half cardSpacing after the third and the sixth card (the sum rounded to the
// nearest integer, halves to even: spacing 15 gives 0, 15, 30, 52, 67, 82, 104, ...).
std::array<int32, 10> layout334(int16 cardSpacing);

// The sorted hand's positions: x from layout334, y = handTop, and xEnd the next card's x
// (x + cWidth for slot 9).
void layOutSortedHand(Hand& hand, int16 cardSpacing, int16 handTop, int32 cWidth);

} // namespace quillan

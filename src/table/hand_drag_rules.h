#pragma once
// Rearranging the player's ten cards: which card lies under the pointer, dropping a dragged
// card after another, sending a card to an end of the hand, and the visual groups the hand is
// laid out in afterwards (a half-spacing gap after each leading group that forms a meld).
// Only cardvalue, rank and suit move between slots; the position fields belong to the slots.

#include <utility>

#include "cards/card_slot.h"

namespace quillan {

struct HandGeometry {
    int16 cardSpacing = 0;
    int16 handTop = 0;
    int32 cWidth = 0;
};

// The slot (0..9) whose x < pointer x < xEnd (both strict), searched from slot 0; -1 for none.
int slotUnderPointer(const Hand& hand, double x);

// Every card cardSpacing apart, the last one cWidth wide; y = handTop.
void layUniformly(Hand& hand, const HandGeometry& g);

// x from 0, cardSpacing apart; after slot gapA and after slot gapB an extra cardSpacing / 2
// (the sum rounded, halves to even). xEnd is the next card's x (x + cWidth for slot 9).
void layPlayerHand(Hand& hand, int gapA, int gapB, const HandGeometry& g);

// The gap slots of the hand's groups: the first of the lines "0..4 and 5..9", "0..4 and 5..8",
// ..., "0..2 and 3..5" whose slices are melds (isMeld), else (2, 5).
std::pair<int, int> groupGaps(const Hand& hand);

// Lays the hand out in its groups (groupPlayerHand's layout).
void groupPlayerHand(Hand& hand, const HandGeometry& g);

// Drops `dragCard` right after the card in slot `target` (0..9; over slot 9 it goes to the
// very end), then lays the hand out in its groups. Returns false, changing nothing, when the
// drop leaves the order as it is (just before its own place) or the card is not in the hand.
bool moveCardDragging(Hand& hand, const CardSlot& dragCard, int target, const HandGeometry& g);

// Sends the card of `slot` to slot 9 (toEnd) or slot 0, the others keeping their order, and
// lays the hand out uniformly (the caller groups it after letting events run).
void moveCardToEnd(Hand& hand, int slot, bool toEnd, const HandGeometry& g);

} // namespace quillan

#pragma once
// Keep values: how much the computer wants to keep each card of its hand. 10 marks a card in a
// meld of the current analysis; 1..6 an unmatched card, counting itself, the other unmatched
// cards of its rank and the unmatched cards of its suit one rank above or below; 0 is the
// value after a shuffle (and of every unmatched card after a three-3-card-meld split).
//
// The routines compute one value per slot of the analysed hand (at most eleven slots, slot 10
// being the card just taken). Empty slots (rank 0) always get 0 and are no one's neighbour.

#include <array>

#include "rummy/card_list_rules.h"

namespace quillan {

using KeepValues = std::array<int16, CardList::kCapacity>;

// Meld cards 10, every other slot 0; with `gin` slot 10 (when the hand has it) gets 10 too.
KeepValues assignkeepvalues333(std::span<const CardSlot> hand, const CardList& m1,
                               const CardList& m2, const CardList& m3, bool gin);

// Meld cards 10, then addNeighbourValues for the others.
KeepValues assignkeepvalues33(std::span<const CardSlot> hand, const CardList& m1,
                              const CardList& m2);
KeepValues assignkeepvalues3(std::span<const CardSlot> hand, const CardList& m1);

// Adds the connection counts to every slot whose value is not 10: for each ordered pair of
// such slots (a slot paired with itself included) equal rank adds 1, and equal suit with
// ranks one apart adds 1.
void addNeighbourValues(std::span<const CardSlot> hand, KeepValues& values);

} // namespace quillan

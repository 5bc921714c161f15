#pragma once
// One card in one place: the deck, a hand, the stock, the reject pile or a working list.
// cardvalue = (rank - 1) * 4 + suit; suits run clubs, diamonds, hearts, spades.

#include "common/checked_array.h"
#include "common/int16.h"

namespace quillan {

struct CardSlot {
    int32 x = 0;    // left edge inside its hand picture
    int32 xEnd = 0; // right edge of the visible, clickable part (player's hand)
    int32 y = 0;    // top inside the player's hand picture
    int16 cardvalue = 0;
    int16 rank = 0; // 1 = ace .. 13 = king
    int16 suit = 0; // 0..3
    int16 keepValue = 0;
    bool operator==(const CardSlot&) const = default;
};

constexpr int16 rankOf(int value) {
    return static_cast<int16>(value / 4 + 1);
}
constexpr int16 suitOf(int value) {
    return static_cast<int16>(value % 4);
}

// Sets cardvalue, rank and suit together; the position fields belong to the slot.
inline void setCard(CardSlot& slot, int value) {
    slot.cardvalue = static_cast<int16>(value);
    slot.rank = rankOf(value);
    slot.suit = suitOf(value);
}

// Moves a card's identity (value, rank, suit) into another slot, leaving its position.
inline void copyCard(CardSlot& to, const CardSlot& from) {
    to.cardvalue = from.cardvalue;
    to.rank = from.rank;
    to.suit = from.suit;
}

using Deck = FixedArray<CardSlot, 52>;
using Hand = FixedArray<CardSlot, 11>; // slots 0..9, slot 10 the card just taken
using Pile = GrowArray<CardSlot>;      // stock and reject pile

} // namespace quillan

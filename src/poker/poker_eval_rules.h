#pragma once
// Classifies five cards on the 21-rung ladder of poker_ladder_rules.h.
//
// Final mode names a finished hand for the payout. Dealt-hand mode names the best way to
// play a dealt hand: it tests the same rungs in the same order and adds two draws, four to a
// royal (5) and four to a straight flush (9), which final mode never returns.
//
// Only `rank` and `suit` are read. The ace is low (rank 1) everywhere except in the royal and
// in the ace-high straight 10-J-Q-K-A; no other wrap-around counts. Cards whose rank lies
// outside 1..13 or whose suit lies outside 0..3 (the hold check's placeholders) match
// nothing: they only take part in the sort, after every real card.

#include "cards/card_slot.h"
#include "common/checked_array.h"
#include "common/int16.h"

namespace quillan {

using PokerHand = FixedArray<CardSlot, 5>;

inline constexpr int16 kDealtHandMode = kFalse;
inline constexpr int16 kFinalMode = kTrue;

// The first rung (1..21) the five cards satisfy. `mode`: 0 = dealt-hand mode, any other
// value = final mode. Never raises: a hand of real cards and placeholders always classifies.
int16 EvaluatePokerHand(const PokerHand& hand, int16 mode);

} // namespace quillan

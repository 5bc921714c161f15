#pragma once
// The pure steps of a deal: filling and shuffling the deck, the card positions inside the
// two hand pictures, dealing ten cards to each side and building the stock.

#include <array>
#include <functional>

#include "cards/card_slot.h"

namespace quillan {

inline constexpr int kHandCards = 10;
inline constexpr int kRummyStockFirst = 20; // deck positions 20..51 form the Gin Rummy stock

// The widest spacing the table lays cards out with. A stored spacing may be wider (the
// store keeps what it holds); the hands are drawn at this one, which keeps a hand picture
// within a few screens' width.
inline constexpr int16 kWidestCardSpacing = 200;

// The spacing the table uses for the stored prfCardSpace: that value, at most
// kWidestCardSpacing; for 0 or less, measured from the card (0.22 of its width, rounded).
int16 cardSpacingFor(int16 prfCardSpace, int32 cardWidth);

// Left edges of the ten cards of a hand. The computer's hand is grouped 3-3-4, the
// player's 2-3-5: after the cards named, the next card starts half a spacing further on
// (each running sum rounded to the nearest integer, halves to even).
std::array<int32, kHandCards> computerHandPositions(int spacing);
std::array<int32, kHandCards> playerHandPositions(int spacing);

// Deck slot i holds card i, then 52 swaps: before each draw `reseed` is called, then
// slot i is swapped with slot floor(draw() * 52). Rank and suit follow the values.
void shuffleDeck(Deck& deck, const std::function<void()>& reseed,
                 const std::function<float()>& draw);

// Clears both hands and deals deck slots 0..9 to the computer and 10..19 to the player,
// with their positions (the player's last card is clickable over the whole card width).
void dealHands(const Deck& deck, Hand& handComputer, Hand& handplayer, int spacing, int handTop,
               int cardWidth);

// The undealt cards in deck order: deck 20..51 for Gin Rummy, the whole deck for Video Poker.
void buildStock(const Deck& deck, bool videoPoker, Pile& stock);

} // namespace quillan

#pragma once
// The best split of a set of cards into melds (sets of three or four, runs of three to five in
// one suit), by a small exhaustive search: the deadwood a strong player aims at, which the
// table's own fixed-order analysis may miss. Used by the computer levels to judge cards fast.

#include "gin/seat_view_rules.h"

namespace quillan {

// Point value of a card: its rank, 10 for the face cards.
constexpr int cardPoints(int cardvalue) {
    const int rank = cardvalue / 4 + 1;
    return rank > 10 ? 10 : rank;
}

int setPoints(CardSet cards);

// The other three cards of the card's rank.
CardSet rankMates(int card);
// The cards of the card's suit `distance` ranks above and below it.
CardSet suitNeighbours(int card, int distance);

// The smallest deadwood of the cards over every split into disjoint melds.
int bestDeadwood(CardSet cards);

// The smallest deadwood after throwing one card of `cards` (eleven cards), with the card to
// throw among `allowed`; `thrown` gets it (the highest card on equal deadwood).
int bestDeadwoodAfterThrow(CardSet cards, CardSet allowed, int* thrown = nullptr);

// True when `card` lies in some meld made of `cards` and that card.
bool inSomeMeld(CardSet cards, int card);

// Every meld (as a card set) that can be made of the cards.
int allMelds(CardSet cards, CardSet* out, int capacity);

} // namespace quillan

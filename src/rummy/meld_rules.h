#pragma once
// Melds and deadwood: the point value of a card, the set and run finders the hand analysis
// is built from, the gin test of three 3-card melds, and the meld test used to group the
// player's hand on the table.
//
// A meld is a set (3 or 4 cards of one rank) or a run (3, 4 or 5 cards of one suit in
// consecutive ranks, ace low only: Q-K-A is no run, A-2-3 is). The finders keep a fixed
// storage order: a 3-card run is held lowest card first, 4- and 5-card runs highest card
// first, sets in input order. A meld is a set when its first two cards have equal rank and a
// run when its first two cards have equal suit.
//
// Cards are compared by cardvalue; an entry with rank 0 is an empty slot and counts nothing.

#include "rummy/card_list_rules.h"

namespace quillan {

// Point value of one card: its rank for 1..10, 10 for jack, queen and king, 0 for an empty slot.
int16 pointValue(const CardSlot& card);

// Sum of the point values of the list.
int16 countDeadwood(std::span<const CardSlot> cards);
inline int16 countDeadwood(const CardList& cards) {
    return countDeadwood(cards.span());
}

// The working copy every analysis starts from: the cards of rank 1..13 ordered by rank,
// equal ranks in hand order. Empty slots (rank 0) are left out.
CardList sortedByRank(std::span<const CardSlot> hand);

bool isSetMeld(const CardList& meld); // first two cards of equal rank
bool isRunMeld(const CardList& meld); // first two cards of equal suit (and not a set)

// Set finders. Ranks are visited from king down to ace when highFirst is true, from ace up
// otherwise; the first rank with k cards gives the meld (its first k cards in input order)
// and `rest` gets every other card in input order. With four of a rank, checkfor333rank
// takes the first three. On false, `meld` and `rest` are left empty.
bool checkfor333rank(const CardList& cards, CardList& meld, CardList& rest, bool highFirst);
bool check4forrankset(const CardList& cards, CardList& meld, CardList& rest, bool highFirst);

// Run finders. `cards` must be in ascending rank order. Suits are visited from 3 down to 0
// when highFirst is true, from 0 up otherwise; within a suit the highest window of k
// consecutive ranks is taken when highFirst is true, the lowest otherwise. On false,
// `meld` and `rest` are left empty.
bool checkfor3run(const CardList& cards, CardList& meld, CardList& rest, bool highFirst);
bool check4forrun(const CardList& cards, CardList& meld, CardList& rest, bool highFirst);
bool check5forrun(const CardList& cards, CardList& meld, CardList& rest, bool highFirst);

// True when a rest card extends one of three 3-card melds (examined m1, m2, m3; for each
// the set test, then the run test): a card of a set's rank, or a card of a run's suit one
// rank above its top or one below its bottom.
bool checkforgin(const CardList& m1, const CardList& m2, const CardList& m3, const CardList& rest);

// True when `card` lies one rank above the top or one below the bottom of `run`, in its suit
// (the run may be stored in either order).
bool extendsRun(const CardList& run, const CardSlot& card);

// The meld test of the hand grouping: every card of one rank, or every card of one suit with
// isSequence true. More than five cards raise "Subscript out of range"; the caller's trap
// shows "error " followed by the description and takes the result as false.
bool isMeld(std::span<const CardSlot> cards);

// True when the ranks of the list, taken in ascending order, rise by exactly 1 from each to
// the next, and there are at least two. More than five cards raise "Subscript out of range".
bool isSequence(std::span<const CardSlot> cards);

} // namespace quillan

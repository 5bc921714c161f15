#pragma once
// The hand analysis: splits a Gin Rummy hand of ten or eleven cards into melds and unmatched
// cards by a fixed, ordered search over meld shapes (not an optimiser). Ten `canknock`
// variants are tried in a fixed order and the first that finds its shape decides the split:
//
//   order 1  three 3-card melds        (gin by checkforgin)
//   order 2  5-run and 4-meld          (gin when the 4-meld is a run and a card extends a run)
//   order 3  5-run and 3-meld          order 4  two 4-melds
//   order 5  4-meld and 3-meld         order 6  two 3-melds
//   order 7  one 5-run                 order 8  one 5-run (repeat; never finds what 7 missed)
//   order 9  one 4-meld                order 10 one 3-meld, or none (never knocks)
//
// Each variant sorts the hand by rank (stable) and tries its meld combinations with the
// finders of meld_rules.h, high-first pass before low-first pass, first combination found
// wins; except:
//  - order 1 tries each combination high-first then low-first before the next one, tests each
//    split found with checkforgin, and keeps the first gin split or else the last split found;
//  - order 6 on ten cards keeps a set-and-set whenever found and another combination only when
//    its unmatched cards count strictly less than the choice so far; the first combination
//    that does not improve ends the search (on eleven cards: first combination found);
//  - order 10 looks for a run, then a set, and keeps the set only when the cards left beside it
//    count strictly less (ten and eleven cards alike).
//
// analyseHand is pure: it returns a HandAnalysis value and changes nothing. The window applies
// it, in this order, after every analysis:
//   1. Keep values: when `keepValuesSet`, and only for an analysis of the computer's hand,
//      write keepValues[i] into keepValue of handComputer slot i (the analysed list's slots are
//      the computer's slots 0..9 or 0..10). When `keepValuesSet` is false (no meld found at
//      all) the computer's keep values stay as they were.
//   2. Meld moves: for an analysis of the computer's hand, apply meldMoves in order with
//      arrangeCompletedCards (computer_rules.h), then redraw the computer's hand.
//   3. Unmatched list: store `storedUnmatched` as computerUnmatched (computer's hand) or
//      playerUnmatched (player's hand).
//   4. Knock or gin: see knockable() here, the player's side in knock_rules.h and the
//      computer's in computer_rules.h; the figures in scoring_rules.h.

#include "rummy/card_list_rules.h"
#include "rummy/keep_value_rules.h"

namespace quillan {

// One step of arrangeCompletedCards: the computer's card `cardvalue` goes to slot `target`.
struct MeldMove {
    int16 cardvalue = 0;
    int16 target = 0;
    bool operator==(const MeldMove&) const = default;
};

struct AnalysisInput {
    // The computer's hand is analysed (computerTurn set): meld moves are produced.
    bool computerTurn = false;
    // The computer may knock after this analysis (set only between a computer draw and the
    // analysis that follows it). Order 6 arranges the computer's melds only when it is set.
    bool computerMayKnock = false;
    // Real cards on the reject pile (its upper bound; index 0 is the placeholder).
    int rejectPileCards = 0;
};

struct HandAnalysis {
    // Order (1..10) of the variant that found its shape; 0 when no meld was found at all.
    int16 shape = 0;
    // The melds in the order the variant found them (0..3 of them), in finder storage order:
    // 3-card runs lowest card first, 4- and 5-card runs highest card first.
    int meldCount = 0;
    std::array<CardList, 3> melds{};
    // Every card outside the melds, in ascending rank (equal ranks in hand order).
    CardList unmatched;
    // The card a knocker throws away: the last unmatched card (empty when there is none).
    CardSlot discardCandidate;
    // The unmatched cards that count as deadwood, for computerUnmatched / playerUnmatched:
    //  - eleven cards, orders 1..9: the unmatched cards without the discard candidate, plus
    //    one empty entry (rank 0) at the end;
    //  - order 10 and no meld: every unmatched card, the discard candidate included;
    //  - ten cards: every unmatched card (none when the ten cards are gin).
    CardList storedUnmatched;
    // Deadwood: 0 for gin, else countDeadwood(storedUnmatched).
    int16 deadwood = 0;
    // Gin: order 1 with checkforgin true, or order 2 with a 4-run and a card extending a run.
    bool gin = false;
    // AnalysisInput::computerMayKnock, cleared by the late-hand rule of order 1 (not gin, more
    // than 18 cards on the reject pile, the first unmatched card worth more than 5).
    bool computerMayKnock = false;
    // Keep values per slot of the analysed hand; meaningful only when keepValuesSet.
    bool keepValuesSet = false;
    KeepValues keepValues{};
    // arrangeCompletedCards steps for orders 4, 5, 9, 10 (and 6 when computerMayKnock was
    // set); only when the computer's hand is analysed.
    int meldMoveCount = 0;
    std::array<MeldMove, 10> meldMoves{};
};

// Analyses a hand of ten or eleven cards (empty slots, rank 0, are left out: an eleven-slot
// hand whose slot 10 is empty is a ten-card hand). More than eleven slots raise
// "Subscript out of range".
HandAnalysis analyseHand(std::span<const CardSlot> hand, const AnalysisInput& input);

// The analysis ends the hand (a knock or gin follows) when a variant of orders 1..9 found its
// shape and the hand is gin or its deadwood is at most maxDeadwood. Order 10 never knocks.
bool knockable(const HandAnalysis& analysis, int16 maxDeadwood);

// Number of real cards (rank 1..13) in the list.
int realCardCount(std::span<const CardSlot> cards);

} // namespace quillan

#pragma once
// The computer opponent's choices, all from the keep values and the knock test of the hand
// analysis: whether to take the reject card, which card to throw, whether to knock or go
// gin, and the swap that arranges its melds at the left of its hand.

#include "rummy/hand_analysis_rules.h"

namespace quillan {

// Writes an analysis of the computer's hand into handComputer: the keep values of the
// `analysedSlots` analysed slots (0..9 after a discard, 0..10 with a taken or judged card) when
// the analysis set them, then the meld moves. The window still stores
// analysis.storedUnmatched as computerUnmatched and redraws the hand.
void applyComputerAnalysis(Hand& handComputer, const HandAnalysis& analysis, int analysedSlots);

struct RejectJudgement {
    bool take = false;     // take the reject card (ComputerTakeReject), else draw from the stock
    HandAnalysis analysis; // the judging analysis, to be applied like any other
    Hand hand;             // handComputer with the reject card in slot 10, analysis applied
};

// ComputerTurn steps 2 to 5 over the hand and the reject card: the card is put into slot 10
// with keep value 0, the eleven cards are analysed without knocking, and the keep values decide.
RejectJudgement judgeRejectCard(const Hand& handComputer, const CardSlot& rejectCard,
                                int rejectPileCards);

// ComputerTurn step 5. `hand` is handComputer after analysing it with the reject card in
// slot 10: the card is taken exactly when the smallest keep value of slots 0..9 (capped at
// 10) is strictly below slot 10's; on equal usefulness the computer draws.
bool computerTakesReject(std::span<const CardSlot> hand);

// ComputerTurn step 6: the slot (0..10) the computer throws. The first slot with the smallest
// keep value below 10; then, among all slots with that keep value, the one of highest rank (a
// later slot wins only with a strictly higher rank). With no keep value below 10 the same rank
// rule runs over the slots of keep value 10, starting at slot 0.
int chooseComputerDiscard(std::span<const CardSlot> hand);

enum class ComputerAction {
    Continue, // no knock: the turn goes on with the discard
    Knock,    // "Computer Knocks": throw discardCandidate, score a computer knock
    Gin,      // "Computer Knocks Gin": nothing is thrown, score a computer gin
};

// What the computer does after an analysis of its eleven cards. It knocks at the first chance:
// the analysis allows it (computerMayKnock, see HandAnalysis) and the hand is knockable. Gin is
// only a three-3-card-meld gin; a gin of order 2 is played as a knock with deadwood 0.
ComputerAction computerKnockAction(const HandAnalysis& analysis, int16 maxDeadwood);

// arrangeCompletedCards without the drawing: the slot among the ten held cards (slots 0..9,
// searched from 0) holding `cardvalue` and slot `target` exchange their cards and keep values;
// the position fields stay with the slots. The card in slot 10 is never moved: while the
// computer judges the reject card, slot 10 is overwritten right after the analysis, and a card
// swapped into it would be lost. Returns the slot the card came from, or -1 when it is not
// among slots 0..9 (nothing changes). The window then redraws slots 0..9 in groups of 3, 3, 4
// (layout334, cards/hand_sort_rules.h), face down when prfShowHide is -1.
int arrangeCompletedCards(std::span<CardSlot> hand, int16 cardvalue, int target);

// Applies every meld move of an analysis in order.
void applyMeldMoves(std::span<CardSlot> hand, const HandAnalysis& analysis);

} // namespace quillan

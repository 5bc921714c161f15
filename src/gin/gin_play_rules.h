#pragma once
// Plays a whole Gin Rummy hand between two players, each seeing only its seat's view, and
// tells each what it may see happen.

#include "gin/gin_table_rules.h"

namespace quillan {

struct PlayedHand {
    HandOutcome outcome;
    // A seat whose player made a move the table refused: its move was replaced by the first
    // legal one (the stock, or throwing the card just taken). Counted, never hidden.
    std::array<int, 2> refusedMoves{};
};

// `player` sits in the person's seat, `computer` in the computer's.
PlayedHand playHand(const HandSetup& setup, GinPlayer& player, GinPlayer& computer);

// The hand's result as one seat sees it.
SeatResult seatResult(const HandOutcome& outcome, Seat seat);

// Which seat won the hand (knocker or gin, or the defender when the knocker was undercut);
// false for a tie.
bool handWinner(const HandOutcome& outcome, Seat& winner);

// Tells each seat's player (indexed by seatIndex) what it may see of the table's events from
// `from` on, and moves `from` past them.
void tellEvents(const GinTable& table, size_t& from, std::array<GinPlayer*, 2> players);

// The move that replaces a turn the table refused: throwing the card just taken.
TurnChoice fallbackTurn(const SeatView& view);

// Plays a hand on `table` to its end from wherever it stands.
PlayedHand playOut(GinTable& table, GinPlayer& player, GinPlayer& computer);

} // namespace quillan

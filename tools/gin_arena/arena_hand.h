#pragma once
// One hand of the arena: the table's order of play between the two sides' players, with each
// decision timed and a forfeit by an outside program ending the hand where it happens.

#include <array>
#include <vector>

#include "arena_side.h"
#include "gin/arena_stats_rules.h"
#include "gin/gin_table_rules.h"

namespace quillan::arena {

// What a hand costs besides its result: decision times (milliseconds) and moves the table
// refused after the arena had passed them, by side.
struct HandCosts {
    std::array<std::vector<double>, 2> decisionMs;
    std::array<long, 2> refused{};
};

// Plays `setup` with side A in `seatOfA` and side B in the other seat; `seeds` seed the
// sides' players for this hand.
ArenaHand playArenaHand(const HandSetup& setup, Seat seatOfA, std::array<SidePlayers*, 2> sides,
                        std::array<std::uint64_t, 2> seeds, HandCosts& costs);

// The table's outcome by side.
ArenaHand arenaHandOf(const HandOutcome& outcome, Seat seatOfA);

} // namespace quillan::arena

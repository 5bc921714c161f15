#pragma once
// The arena's printed figures: by side, hands won, points a hand, games to 100, how the
// hands ended, turns, decision times; then the net figure, ties, games and speed.

#include <string>

#include "arena_options.h"
#include "arena_run.h"

namespace quillan::arena {

// Without `timings` the text leaves out the lines that change from run to run (decision
// times and speed), so two runs of the same arguments give the same text.
std::string arenaReport(const ArenaOptions& options, const ArenaRun& run, bool timings);

} // namespace quillan::arena

#pragma once
// The computer levels by name, for the arena and the window: "standard" (the table's own
// opponent, the default), "strong", "expert", and "baseline" (the yardstick of the arena only).

#include <memory>
#include <string>
#include <vector>

#include "gin/seat_view_rules.h"

namespace quillan {

struct PlayerOptions {
    std::uint64_t seed = 1; // for the levels that sample
    int budgetMs = 150;     // Expert's thinking time a decision
    int fixedSamples = 0;   // Expert: this many sampled deals a choice instead of a time budget
};

// Level names in the order they are offered; "baseline" is last.
const std::vector<std::string>& playerLevelNames();

// A new player of the level, or nullptr for a name that is not a level.
std::unique_ptr<GinPlayer> makeGinPlayer(const std::string& level, const PlayerOptions& options);

} // namespace quillan

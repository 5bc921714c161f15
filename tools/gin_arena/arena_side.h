#pragma once
// One side's players on one of the arena's threads. A computer level is made afresh for every
// hand, seeded from the run's seed and the hand, so a hand plays the same on any thread and in
// any order; an outside program is started once and plays every hand of its thread.

#include <cstdint>
#include <functional>
#include <memory>

#include "arena_options.h"
#include "external_player.h"
#include "gin/player_levels_rules.h"

namespace quillan::arena {

// Makes a level's player: the levels' own factory, or a test's.
using LevelMaker =
    std::function<std::unique_ptr<GinPlayer>(const std::string&, const PlayerOptions&)>;

class SidePlayers {
  public:
    SidePlayers(const SideChoice& choice, const ArenaOptions& options, LevelMaker makeLevel);

    // The player of the next hand.
    GinPlayer& forHand(std::uint64_t seed);
    bool handForfeited() const { return external_ != nullptr && external_->handForfeited(); }
    // The outside program, or nullptr for a level.
    const ExternalPlayer* external() const { return external_.get(); }

  private:
    SideChoice choice_;
    int budgetMs_;
    LevelMaker makeLevel_;
    std::unique_ptr<GinPlayer> level_;
    std::unique_ptr<ExternalPlayer> external_;
};

} // namespace quillan::arena

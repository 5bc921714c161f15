#pragma once
// A whole arena run: every deal played twice, the sides' seats swapped, split over threads.
//
// Deal i is the table's shuffle seeded with S + i; the person's seat leads in even deals and
// the computer's seat in odd ones. Its first hand seats side A in the person's seat, its second
// seats side B there, with the same deck and the same leading seat, so each side plays the
// other's cards. Without --to-100 every hand starts from banks of 0 and the deals are split
// into blocks, one a thread. With --to-100 the first hands of the deals, in deal order, make
// one series of games to 100 and the second hands another; each hand is played with its
// series' banks, so a series runs on one thread (two threads at most).
//
// Each side's level player is new for each hand and seeded from S, the deal, the hand and the
// side: the hands come out the same whatever the number of threads.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "arena_hand.h"
#include "arena_options.h"

namespace quillan::arena {

struct ArenaRun {
    std::vector<ArenaHand> hands; // deal i's hands at 2i (A in the person's seat) and 2i + 1
    HandCosts costs;
    double seconds = 0;
    int threads = 1;
    std::vector<std::string> notes; // outside programs that ended or were stopped
};

// Called about once a second while the run goes on.
using ArenaProgress = std::function<void(long handsDone, long handsTotal, double seconds)>;

ArenaRun runArena(const ArenaOptions& options, const ArenaProgress& progress = {},
                  const LevelMaker& makeLevel = makeGinPlayer);

// Deal `deal`'s deck and leading seat (banks 0).
HandSetup dealSetup(const ArenaOptions& options, long deal);
// The seed of a side's player in one hand of a deal (seating 0 or 1).
std::uint64_t playerSeed(std::uint64_t runSeed, long deal, int seating, int side);

} // namespace quillan::arena

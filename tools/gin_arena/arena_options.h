#pragma once
// The arena's command line:
//   gin_arena --variant simple|standard|oklahoma --hands N --seed S --a LEVEL --b LEVEL
//             [--budget-ms M] [--threads T] [--to-100] [--answer-seconds X]
// where a LEVEL is a computer level's name or "external:COMMAND ARGS".

#include <cstdint>
#include <span>
#include <string>

#include "rummy/knock_rules.h"

namespace quillan::arena {

// One side: a computer level, or an outside program run through the shell.
struct SideChoice {
    std::string level;   // a level name, when not external
    std::string command; // the program, when external
    bool external() const { return !command.empty(); }
    std::string name() const { return external() ? "external:" + command : level; }
};

struct ArenaOptions {
    RummyVariant variant = RummyVariant::Standard;
    long deals = 0; // each played twice, the sides' seats swapped
    std::uint64_t seed = 1;
    SideChoice a;
    SideChoice b;
    int budgetMs = 150;
    int threads = 1;
    bool toTarget = false;
    double answerSeconds = 10;
};

// Every hand and every decision time is kept until the end of the run; this bounds the memory.
inline constexpr long kMaxDeals = 1'000'000;

// Reads the arguments after the program's name; false with `error` set for a missing,
// unknown or out-of-range one.
bool parseArenaOptions(std::span<const std::string> args, ArenaOptions& options,
                       std::string& error);

std::string arenaUsage();

} // namespace quillan::arena

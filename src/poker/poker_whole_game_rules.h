#pragma once
// Video Poker over every one of the 2,598,960 deals: the return of the best play, the return
// of playing by the ladder (the advisor's right play, best of its choices where it leaves
// one), how often and how much the ladder falls short, and how the best play's hands finish.
// All sums are exact integers in 1 / kCommonDraws credits; divide to show them.

#include <array>
#include <cstdint>

#include "poker/poker_hold_value_rules.h"

namespace quillan {

inline constexpr std::int64_t kAllDeals = 2598960;

struct WholeGame {
    std::int64_t deals = 0;       // deals counted (2,598,960 when complete)
    std::int64_t analysed = 0;    // deals actually analysed (fewer when classes stand in)
    std::int64_t bestTotal = 0;   // sum of the best hold's value, 1 / kCommonDraws credits
    std::int64_t ladderTotal = 0; // sum of the ladder hold's value
    std::int64_t ladderShort = 0; // deals where the ladder's hold is worth less than the best
    // Finished hands of the best play per category (index c - 1), in 1 / kCommonDraws hands.
    std::array<std::int64_t, kCategoryCount> bestFinals{};
    // The ladder's shortfall by the dealt hand's rung (index c - 1): deals, and value lost.
    std::array<std::int64_t, kCategoryCount> shortByRung{};
    std::array<std::int64_t, kCategoryCount> lostByRung{};

    // Return per credit staked.
    double bestReturn() const;
    double ladderReturn() const;
    // What the ladder gives away per hand, in credits on a bet of 5.
    double meanLadderCost() const;
    // What the ladder gives away per credit staked on deals of `rung` (1..21), over all deals.
    double ladderCostOnRung(int rung) const;
    // Share of the best play's finished hands in `category` (1..21).
    double finalShare(int category) const;
};

// Every deal once, each class of deals that differ only by their suits analysed once and
// counted by its size (`everyDeal`: analyse all 2,598,960 deals one by one instead).
WholeGame playWholeGame(const HoldValueTable& table, bool everyDeal = false);

} // namespace quillan

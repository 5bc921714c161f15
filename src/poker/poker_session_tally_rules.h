#pragma once
// The running account of the hands the analysis has followed this session: how many were
// played, how many holds were worth as much as the best one, what the others cost, and what
// the machine actually paid against what was staked.

#include <cstdint>

#include "poker/poker_hold_value_rules.h"

namespace quillan {

class SessionTally {
  public:
    // One drawn hand: the deal's analysis, the cards kept (bit i = card i) and the category
    // the finished hand fell into (final mode).
    void add(const DealAnalysis& analysis, unsigned heldMask, int finalCategory);

    int hands() const { return hands_; }
    int matched() const { return matched_; }
    // What the holds gave away against the best ones, in credits (bets of 5).
    double mistakeCost() const;
    // Credits paid per credit staked; 0 before the first hand.
    double actualReturn() const;

  private:
    int hands_ = 0;
    int matched_ = 0;
    std::int64_t costScaled_ = 0; // in 1 / kCommonDraws credits
    std::int64_t paid_ = 0;
};

// The theoretical return of the best play over every deal, per credit.
inline constexpr double kBestPlayReturn = 0.99543904;

} // namespace quillan

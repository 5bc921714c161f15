#pragma once
// What a finished hand pays and how the payout is presented: the credit meter is counted up
// in steps, each step playing the category's sound and waiting, while the category's label
// is highlighted. A hand costs 5 credits at the deal, whatever the stake in Top Scores.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "common/int16.h"

namespace quillan {

inline constexpr int16 kPokerBet = 5;

struct PayoutStyle {
    int16 pays;                  // credits added to the meter
    int16 step;                  // credits per count-up step
    std::string_view sound;      // file name in the program's wavs folder
    int waitMs;                  // wait after each step
    std::uint32_t highlightBack; // label colour while counting, 0xRRGGBB (text is black)
};

// The payout of a final-mode category: 1, 2, 3, 4, 6, 7, 8, 10 and 11 pay; anything else
// (including the dealt-hand-only categories and numbers off the ladder) has no payout.
std::optional<PayoutStyle> payoutFor(int category);

// Meter after the bet is taken: meter - 5, raising "Overflow" below -32768.
int16 meterAfterBet(int16 meter);

// The meter values shown while counting a payout up from `meter`, one per step, the last
// being meter + pays; the last step adds only what is left (45 in steps of 25: +25, +20).
// Empty for a category that pays nothing. Raises "Overflow" when the target passes 32767.
std::vector<int16> payoutCountUp(int16 meter, int category);

} // namespace quillan

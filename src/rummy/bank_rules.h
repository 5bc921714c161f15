#pragma once
// The sums of UpdateBank: the player's points of a finished hand (handScore) join the
// player's bank; while the computer's hand is shown both banks start again from 0.

#include "common/int16.h"

namespace quillan {

struct BankTotals {
    int16 computerBank = 0;
    int16 playerBank = 0;
    bool operator==(const BankTotals&) const = default;
};

// Raises Overflow when the player's bank would leave the 16-bit range; nothing is changed
// then, since the caller assigns only the result.
BankTotals creditHandScore(BankTotals banks, int16 handScore, bool computerHandShown);

} // namespace quillan

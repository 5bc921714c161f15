// UpdateBank's sums: the waiting hand score joins the player's bank, an open computer hand
// starts both banks again from zero, and an overflow changes nothing.
#include <gtest/gtest.h>

#include "common/program_error.h"
#include "rummy/bank_rules.h"

namespace quillan {
namespace {

TEST(BankCredit, TheHandScoreJoinsThePlayersBank) {
    EXPECT_EQ(creditHandScore({12, 100}, 40, false), (BankTotals{12, 140}));
    EXPECT_EQ(creditHandScore({12, 100}, -25, false), (BankTotals{12, 75}));
    EXPECT_EQ(creditHandScore({12, 100}, 0, false), (BankTotals{12, 100}));
}

TEST(BankCredit, AnOpenComputerHandKeepsTheBanksAtZero) {
    EXPECT_EQ(creditHandScore({12, 100}, 40, true), (BankTotals{0, 40}));
}

TEST(BankCredit, OverflowRaisesAndLeavesTheBanksToTheCaller) {
    const BankTotals banks{5, 32760};
    EXPECT_THROW(creditHandScore(banks, 10, false), ProgramError);
    EXPECT_EQ(creditHandScore(banks, 7, false), (BankTotals{5, 32767}));
}

} // namespace
} // namespace quillan

#include <gtest/gtest.h>

#include <vector>

#include "poker/poker_ladder_rules.h"
#include "poker/poker_pay_rules.h"

using namespace quillan;

TEST(PokerPay, OnlyTheNinePayingCategoriesPay) {
    const std::vector<int> paying = {1, 2, 3, 4, 6, 7, 8, 10, 11};
    const int pays[] = {4000, 250, 125, 45, 30, 20, 15, 10, 5};
    for (int c = -1; c <= 22; ++c) {
        const auto style = payoutFor(c);
        const auto it = std::find(paying.begin(), paying.end(), c);
        ASSERT_EQ(style.has_value(), it != paying.end()) << "category " << c;
        if (style) {
            EXPECT_EQ(style->pays, pays[it - paying.begin()]) << "category " << c;
        }
    }
}

TEST(PokerPay, PresentationPerCategory) {
    EXPECT_EQ(payoutFor(kStraightFlush)->highlightBack, 0x00FF00u);
    EXPECT_EQ(payoutFor(kRoyal)->highlightBack, 0x00C000u);
    EXPECT_EQ(payoutFor(kStraight)->sound, "pokerwin2.wav");
    EXPECT_EQ(payoutFor(kFlush)->sound, "pokerwin3.wav");
    EXPECT_EQ(payoutFor(kTwoPair)->sound, "pokerwin1.wav");
    EXPECT_EQ(payoutFor(kHighPair)->waitMs, 200);
    EXPECT_EQ(payoutFor(kThreeOfAKind)->waitMs, 500);
}

TEST(PokerPay, CountUpNeverPassesTheTarget) {
    EXPECT_EQ(payoutCountUp(-5, kFullHouse), (std::vector<int16>{20, 40}));
    EXPECT_EQ(payoutCountUp(0, kTwoPair), (std::vector<int16>{10}));
    EXPECT_EQ(payoutCountUp(0, kFlush), (std::vector<int16>{15, 30}));
    const auto royal = payoutCountUp(100, kRoyal);
    EXPECT_EQ(royal.size(), 160u);
    EXPECT_EQ(royal.front(), 125);
    EXPECT_EQ(royal.back(), 4100);
    EXPECT_TRUE(payoutCountUp(0, kLowPair).empty());
    EXPECT_TRUE(payoutCountUp(0, kFourToRoyal).empty());
}

TEST(PokerPay, MeterLimitsRaiseOverflow) {
    EXPECT_EQ(meterAfterBet(0), -5);
    EXPECT_EQ(meterAfterBet(-32763), -32768);
    EXPECT_THROW(meterAfterBet(-32764), ProgramError);
    EXPECT_THROW(payoutCountUp(32763, kHighPair), ProgramError);
    EXPECT_EQ(payoutCountUp(32762, kHighPair).back(), 32767);
    EXPECT_NO_THROW(payoutCountUp(32767, kLowPair)); // pays nothing, nothing to add
}

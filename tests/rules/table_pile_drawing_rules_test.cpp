#include <gtest/gtest.h>

#include "table/pile_drawing_rules.h"

namespace quillan {
namespace {

TEST(RejectFan, ShowsTheTopThreeOldestFirst) {
    EXPECT_TRUE(rejectFan(0).empty());
    EXPECT_EQ(rejectFan(1), (std::vector<PileCard>{{1, 0, 0}}));
    EXPECT_EQ(rejectFan(2), (std::vector<PileCard>{{1, 0, 0}, {2, 5, 1}}));
    EXPECT_EQ(rejectFan(3), (std::vector<PileCard>{{1, 0, 0}, {2, 5, 1}, {3, 10, 2}}));
    EXPECT_EQ(rejectFan(7), (std::vector<PileCard>{{5, 0, 0}, {6, 5, 1}, {7, 10, 2}}));
}

TEST(DealPile, StagesThinOut) {
    EXPECT_EQ(dealPileBacks(0),
              (std::vector<PileCard>{{0, 0, 0}, {1, 2, 1}, {2, 4, 2}, {3, 6, 3}}));
    EXPECT_EQ(dealPileBacks(2), (std::vector<PileCard>{{0, 0, 0}, {1, 2, 1}}));
    EXPECT_EQ(dealPileBacks(3), (std::vector<PileCard>{{0, 0, 0}}));
    EXPECT_TRUE(dealPileBacks(4).empty());
    EXPECT_TRUE(dealPileBacks(-1).empty());
}

TEST(HandPositions, GroupsWithHalfGaps) {
    const std::array<int32, 10> computer16 = {0, 16, 32, 56, 72, 88, 112, 128, 144, 160};
    EXPECT_EQ(computerHandXs(16), computer16);
    const std::array<int32, 10> player16 = {0, 16, 40, 56, 72, 96, 112, 128, 144, 160};
    EXPECT_EQ(groupedHandXs(16, 1, 4), player16);
    // 45 + 7.5 = 52.5 -> 52 and 97 + 7.5 = 104.5 -> 104.
    const std::array<int32, 10> computer15 = {0, 15, 30, 52, 67, 82, 104, 119, 134, 149};
    EXPECT_EQ(computerHandXs(15), computer15);
}

} // namespace
} // namespace quillan

// The Statistics window's axes (whole numbers in round steps, a plain range with nothing to
// show) and where the window opens beside the main window.
#include <gtest/gtest.h>

#include "stats/chart_axis_rules.h"
#include "stats/window_place_rules.h"

using namespace quillan;

namespace {

// Every tick of the range is a whole number, the ends lie on ticks and there are 2..11.
void expectWholeTicks(const AxisRange& r, long lowest, long highest) {
    ASSERT_GT(r.step, 0);
    EXPECT_EQ(r.low % r.step, 0) << r.low << " by " << r.step;
    EXPECT_EQ(r.high % r.step, 0) << r.high << " by " << r.step;
    EXPECT_LE(r.low, std::min(lowest, 0L));
    EXPECT_GE(r.high, std::max(highest, 0L));
    const long intervals = (r.high - r.low) / r.step;
    EXPECT_GE(intervals, 1);
    EXPECT_LE(intervals, 10) << lowest << ".." << highest;
}

} // namespace

TEST(StatisticsAxes, NothingToShowIsZeroToTenInTwos) {
    const AxisRange r = valueAxisFor(0, 0);
    EXPECT_EQ(r.low, 0);
    EXPECT_EQ(r.high, 10);
    EXPECT_EQ(r.step, 2);
}

TEST(StatisticsAxes, ValuesGetRoundWholeSteps) {
    EXPECT_EQ(roundStep(1, 10), 1);
    EXPECT_EQ(roundStep(10, 10), 1);
    EXPECT_EQ(roundStep(11, 10), 2);
    EXPECT_EQ(roundStep(47, 10), 5);
    EXPECT_EQ(roundStep(32767, 10), 5000);
    const AxisRange small = valueAxisFor(0, 3);
    EXPECT_EQ(small.high, 3);
    EXPECT_EQ(small.step, 1);
    const AxisRange both = valueAxisFor(-25, 47);
    EXPECT_EQ(both.low, -30);
    EXPECT_EQ(both.high, 50);
    EXPECT_EQ(both.step, 10);
    for (long low = -120; low <= 0; low += 7) {
        for (long high = 0; high <= 1300; high += 13) {
            expectWholeTicks(valueAxisFor(low, high), low, high);
        }
    }
    expectWholeTicks(valueAxisFor(-32768, 32767), -32768, 32767);
}

TEST(StatisticsAxes, HandsRunFromTheFirstToTheLast) {
    const AxisRange none = handAxisFor(0);
    EXPECT_EQ(none.low, 0);
    EXPECT_EQ(none.high, 2);
    EXPECT_EQ(handAxisFor(1).high, 2); // one hand in the middle
    const AxisRange many = handAxisFor(43);
    EXPECT_EQ(many.low, 1);
    EXPECT_EQ(many.high, 43);
    EXPECT_EQ(many.step, 5);
    EXPECT_EQ(handAxisFor(7).step, 1);
}

TEST(StatisticsWindowPlace, BesideTheMainWindowWhereThereIsRoom) {
    const PlaceRect screen{0, 0, 1920, 1040};
    const PlaceRect right = placeBesideMain({50, 40, 820, 660}, 1000, 700, screen);
    EXPECT_EQ(right, (PlaceRect{50 + 820 + kPlaceGap, 40, 1000, 700}));
    const PlaceRect left = placeBesideMain({1060, 40, 820, 660}, 1000, 700, screen);
    EXPECT_EQ(left, (PlaceRect{1060 - kPlaceGap - 1000, 40, 1000, 700}));
}

TEST(StatisticsWindowPlace, CentredOnTheMainWindowWithoutRoomAndAlwaysOnTheScreen) {
    // 3840 x 2160 at 200%: a 1920 x 1080 screen, the table in the middle of it.
    const PlaceRect screen{0, 0, 1920, 1040};
    const PlaceRect main{550, 200, 820, 660};
    const PlaceRect p = placeBesideMain(main, 1100, 700, screen);
    EXPECT_EQ(p.w, 1100);
    EXPECT_EQ(p.h, 700);
    EXPECT_EQ(p.x + p.w / 2, main.x + main.w / 2);
    EXPECT_EQ(p.y + p.h / 2, main.y + main.h / 2);
    // Larger than the screen: no more than 90% of it, inside it.
    const PlaceRect small{0, 0, 1024, 740};
    const PlaceRect big = placeBesideMain({10, 10, 820, 660}, 2200, 1400, small);
    EXPECT_LE(big.w, 1024 * 9 / 10);
    EXPECT_LE(big.h, 740 * 9 / 10);
    EXPECT_GE(big.x, 0);
    EXPECT_GE(big.y, 0);
    EXPECT_LE(big.x + big.w, 1024);
    EXPECT_LE(big.y + big.h, 740);
    // A main window partly off a screen that starts away from 0.
    const PlaceRect second{1920, 0, 1280, 1000};
    const PlaceRect off = placeBesideMain({2900, 600, 820, 660}, 1100, 700, second);
    EXPECT_GE(off.x, 1920);
    EXPECT_LE(off.x + off.w, 1920 + 1280);
    EXPECT_LE(off.y + off.h, 1000);
}

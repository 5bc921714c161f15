// How long a card flight's frames last for each stored animation delay: the fast half of
// the speed slider as calibrated, a gentler slow half, and no setting or stored number that
// makes a flight last longer than a few seconds.
#include <gtest/gtest.h>

#include <climits>

#include "prefs/prefs_speed_rules.h"
#include "table/card_animation_rules.h"

namespace quillan {
namespace {

double flightMs(int32 delay, long frames) {
    return flightFrameMicros(delay, frames) * static_cast<double>(frames) / 1000.0;
}

TEST(FlightPacing, TheFastHalfKeepsTenMicrosecondsADelayUnit) {
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(0), 0);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(-1), 0);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(INT_MIN), 0);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(1), 10);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(200), 2000);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(500), 5000);
}

TEST(FlightPacing, EverySliderStepLeftIsSlowerAndTheLeftEndIsTheSlowest) {
    double previous = -1;
    for (int position = kSpeedSliderMax; position >= 0; --position) {
        const double frame = frameMicrosForDelay(animationDelayForSlider(position));
        EXPECT_GT(frame, previous) << position;
        previous = frame;
    }
    EXPECT_DOUBLE_EQ(previous, kSlowestFrameMicros);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(kSlowestAnimationDelay), kSlowestFrameMicros);
}

TEST(FlightPacing, StoredDelaysBeyondTheSliderWaitNoLongerThanItsSlowestSetting) {
    for (const int32 delay : {6001, 10000, 100000, 1000000, 2147483, INT_MAX}) {
        EXPECT_DOUBLE_EQ(frameMicrosForDelay(delay), kSlowestFrameMicros) << delay;
        EXPECT_LE(flightMs(delay, 300), kLongestFlightMs) << delay;
    }
}

TEST(FlightPacing, NoFlightLastsLongerThanTheLongestFlight) {
    for (const long frames : {1L, 50L, 150L, 250L, 400L, 800L, 5000L}) {
        for (const int position : {0, 100, 250, 499, 500, 800, 1000}) {
            const int32 delay = animationDelayForSlider(position);
            EXPECT_LE(flightMs(delay, frames), kLongestFlightMs + 1e-9)
                << frames << " frames at slider " << position;
        }
    }
    // The slowest setting is still slow: a flight across the table takes over a second.
    EXPECT_GT(flightMs(kSlowestAnimationDelay, 200), 1000);
}

TEST(FlightPacing, ShortFlightsAndTheCalibratedSpeedAreNotTouchedByTheCap) {
    EXPECT_DOUBLE_EQ(flightFrameMicros(200, 150), 2000);
    EXPECT_DOUBLE_EQ(flightFrameMicros(kSlowestAnimationDelay, 100), kSlowestFrameMicros);
    EXPECT_DOUBLE_EQ(flightFrameMicros(0, 400), 0);
    EXPECT_DOUBLE_EQ(flightFrameMicros(500, 0), 5000); // no frames: nothing to spread
}

} // namespace
} // namespace quillan

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "table/card_animation_rules.h"
#include "table/frame_pacer.h"

namespace quillan {
namespace {

qint64 runFrames(test::FakePlatform& platform, int32 delay, int frames, int workMs) {
    const qint64 start = platform.tickCount();
    FramePacer pacer(platform, delay);
    for (int f = 0; f < frames; ++f) {
        platform.clockMs += workMs;
        pacer.frameDone();
    }
    return platform.tickCount() - start;
}

TEST(FramePacer, DelayZeroNeverSleeps) {
    test::FakePlatform platform;
    EXPECT_EQ(runFrames(platform, 0, 400, 0), 0);
}

TEST(FramePacer, CalibratedDelayMakesOneFiftyFramesLastThreeTenths) {
    test::FakePlatform platform;
    const qint64 elapsed = runFrames(platform, 200, kCalibrationFrames, 0);
    EXPECT_GE(elapsed, kCalibrationTargetMs);
    EXPECT_LE(elapsed, kCalibrationTargetMs + 1);
}

TEST(FramePacer, FractionalFramesAddUp) {
    test::FakePlatform platform;
    // 150 microseconds a frame: 1000 frames take 150 ms, not 1000 ms of whole sleeps.
    const qint64 elapsed = runFrames(platform, 15, 1000, 0);
    EXPECT_GE(elapsed, 150);
    EXPECT_LE(elapsed, 151);
}

TEST(FramePacer, SlowDrawingIsNotSlowedFurther) {
    test::FakePlatform platform;
    EXPECT_EQ(runFrames(platform, 200, 100, 3), 300);
}

TEST(AnimationCalibration, FindsTheSmallestDelayThatReachesTheTarget) {
    test::FakePlatform fast;
    const int32 d = calibrateAnimationDelay(fast, [] {});
    EXPECT_EQ(d, 200);
    EXPECT_EQ(scrollValForDelay(d), 800);

    test::FakePlatform busy;
    EXPECT_EQ(calibrateAnimationDelay(busy, [&busy] { busy.clockMs += 1; }), 200);

    test::FakePlatform slow;
    EXPECT_EQ(calibrateAnimationDelay(slow, [&slow] { slow.clockMs += 2; }), 0);
}

TEST(AnimationCalibration, KeepsStepping) {
    // A clock that loses time while sleeping: each sleep lasts half what was asked.
    class LazySleeper : public test::FakePlatform {
      public:
        void frameWait(int ms) override { clockMs += ms / 2; }
    };
    LazySleeper platform;
    const int32 d = calibrateAnimationDelay(platform, [] {});
    EXPECT_GT(d, 200);
    EXPECT_EQ(d % kCalibrationDelayStep, 0);
}

TEST(AnimationCalibration, EndsAtTheSlowestSettingWhenSleepingPassesNoTime) {
    class Sleepless : public test::FakePlatform {
      public:
        void frameWait(int) override {}
    };
    Sleepless platform;
    EXPECT_EQ(calibrateAnimationDelay(platform, [] {}), kSlowestAnimationDelay);
}

TEST(FramePacer, AFlightOfManyFramesIsShortenedToTheLongestFlight) {
    test::FakePlatform platform;
    const qint64 start = platform.tickCount();
    FramePacer pacer(platform, kSlowestAnimationDelay, 1000);
    for (int f = 0; f < 1000; ++f) {
        pacer.frameDone();
    }
    EXPECT_LE(platform.tickCount() - start, kLongestFlightMs + 1);
    EXPECT_GE(platform.tickCount() - start, kLongestFlightMs);
}

} // namespace
} // namespace quillan

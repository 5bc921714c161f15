#include <gtest/gtest.h>

#include "table/card_animation_rules.h"

namespace quillan {
namespace {

constexpr int32 kW = 71;
constexpr int32 kH = 96;

TEST(CardMove, EqualPointsOnlyLand) {
    const CardMovePlan plan = planCardMove(40, 50, 40, 50, 1, kW, kH, true);
    EXPECT_TRUE(plan.frames.empty());
    EXPECT_EQ(plan.direction.count, 0);
    EXPECT_EQ(plan.direction.xstep, 1);
    EXPECT_EQ(plan.direction.ystep, 1);
    EXPECT_FALSE(plan.direction.xLonger);
    EXPECT_EQ(plan.last, (FramePoint{40, 50}));
    EXPECT_EQ(plan.landing, (FramePoint{40, 50}));
}

TEST(CardMove, HorizontalMoveStaysOnItsLine) {
    const CardMovePlan plan = planCardMove(0, 50, 100, 50, 1, kW, kH, true);
    EXPECT_TRUE(plan.direction.xLonger);
    EXPECT_EQ(plan.direction.ystep, 0);
    ASSERT_EQ(plan.frames.size(), 100u);
    for (std::size_t f = 0; f < plan.frames.size(); ++f) {
        const AnimationFrame& frame = plan.frames[f];
        EXPECT_EQ(frame.card, (FramePoint{static_cast<int32>(f) + 1, 50}));
        // Moving right and not down: the shown area trails 10 pixels to the left.
        EXPECT_EQ(frame.shown, (FrameRect{frame.card.x - 10, 50, kW + 10, kH + 10}));
    }
    EXPECT_EQ(plan.last, (FramePoint{100, 50}));
}

TEST(CardMove, LeftwardDiscardAtStepTwo) {
    const CardMovePlan plan = planCardMove(100, 300, 0, 300, 2, kW, kH, true);
    ASSERT_EQ(plan.frames.size(), 50u);
    EXPECT_EQ(plan.frames.front().card, (FramePoint{98, 300}));
    EXPECT_EQ(plan.frames.back().card, (FramePoint{0, 300}));
    // Moving left: the shown area trails to the right, starting at the card.
    EXPECT_EQ(plan.frames.front().shown.x, 98);
    EXPECT_EQ(plan.frames.front().shown.y, 300);
}

TEST(CardMove, FortyFiveDegreesMovesOnePixelOnEachAxis) {
    const CardMovePlan plan = planCardMove(0, 0, 30, 30, 1, kW, kH, true);
    EXPECT_FALSE(plan.direction.xLonger);
    ASSERT_EQ(plan.frames.size(), 30u);
    for (std::size_t f = 0; f < 30; ++f) {
        const int32 k = static_cast<int32>(f) + 1;
        EXPECT_EQ(plan.frames[f].card, (FramePoint{k, k}));
        EXPECT_EQ(plan.frames[f].shown.y, k - 10);
    }
    // Moving down, the left edge trails only while the destination is still to the right.
    EXPECT_EQ(plan.frames[28].shown.x, 29 - 10);
    EXPECT_EQ(plan.frames[29].shown.x, 30);
}

TEST(CardMove, ShorterAxisIsFloored) {
    // Down and right: ratio 0.25 exactly.
    const CardMovePlan down = planCardMove(0, 0, 8, 2, 1, kW, kH, true);
    const int32 ys[8] = {0, 0, 0, 1, 1, 1, 1, 2};
    ASSERT_EQ(down.frames.size(), 8u);
    for (std::size_t f = 0; f < 8; ++f) {
        EXPECT_EQ(down.frames[f].card.y, ys[f]) << f;
    }
    // Up and left: floor goes below, not toward zero.
    const CardMovePlan up = planCardMove(8, 0, 0, -2, 1, kW, kH, true);
    const int32 upYs[8] = {-1, -1, -1, -1, -2, -2, -2, -2};
    ASSERT_EQ(up.frames.size(), 8u);
    for (std::size_t f = 0; f < 8; ++f) {
        EXPECT_EQ(up.frames[f].card.y, upYs[f]) << f;
        EXPECT_EQ(up.frames[f].card.x, 7 - static_cast<int32>(f));
    }
}

TEST(CardMove, DownwardLeftMoveDoesNotTrailLeft) {
    const CardMovePlan plan = planCardMove(200, 0, 100, 150, 1, kW, kH, true);
    ASSERT_EQ(plan.frames.size(), 150u);
    for (const AnimationFrame& frame : plan.frames) {
        EXPECT_EQ(frame.shown.x, frame.card.x);
        EXPECT_EQ(frame.shown.y, frame.card.y - 10);
    }
}

TEST(CardMove, FramesRoundHalvesToEven) {
    EXPECT_EQ(frameCount(5, 2), 2);
    EXPECT_EQ(frameCount(7, 2), 4);
    EXPECT_EQ(frameCount(400, 1), 400);
    EXPECT_EQ(frameCount(400, 0), 0);
    EXPECT_EQ(frameCount(400, -1), 0);
}

TEST(CardMove, AnimationOffStillLands) {
    const CardMovePlan plan = planCardMove(10, 20, 300, 400, 1, kW, kH, false);
    EXPECT_TRUE(plan.frames.empty());
    EXPECT_EQ(plan.last, (FramePoint{10, 20}));
    EXPECT_EQ(plan.landing, (FramePoint{300, 400}));
}

TEST(CardMove, CustomBackPictureChoice) {
    EXPECT_TRUE(flightUsesCustomBack(true, true, false, 12));
    EXPECT_FALSE(flightUsesCustomBack(true, false, true, 54));
    EXPECT_TRUE(flightUsesCustomBack(false, false, true, 54));
    EXPECT_FALSE(flightUsesCustomBack(false, false, true, 51));
    EXPECT_FALSE(flightUsesCustomBack(false, true, false, 54));
}

TEST(AnimationCalibration, SliderMapping) {
    EXPECT_EQ(scrollValForDelay(0), 1000);
    EXPECT_EQ(scrollValForDelay(200), 800);
    EXPECT_EQ(scrollValForDelay(500), 500);
    EXPECT_EQ(scrollValForDelay(501), 400);
    EXPECT_EQ(scrollValForDelay(750), 400);
    EXPECT_EQ(scrollValForDelay(751), 250);
    EXPECT_EQ(scrollValForDelay(-10), 250);
}

TEST(AnimationCalibration, PredictedDelayGivesTwoMillisecondFrames) {
    // 150 frames in 0.3 s: 2 ms a frame; a delay unit is 10 microseconds.
    EXPECT_EQ(predictedCalibrationDelay(0), 200);
    EXPECT_EQ(predictedCalibrationDelay(1999), 200);
    EXPECT_EQ(predictedCalibrationDelay(2000), 0);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(200), 2000);
    EXPECT_DOUBLE_EQ(frameMicrosForDelay(-1), 0);
}

} // namespace
} // namespace quillan

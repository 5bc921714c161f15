#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "table/card_flight.h"
#include "table/frame_pacer.h"
#include "table/table_canvas.h"
#include "window/table_pixels.h"

namespace quillan {
namespace {

using test::pixelAt;

const QSize kCard(20, 30);

class CardFlight : public ::testing::Test {
  protected:
    void SetUp() override {
        canvas.resizeTable(QSize(300, 200), 1.0);
        canvas.windowImage().fill(Qt::green);
        boardBuffer = canvas.windowImage().copy();
    }
    void fly(const CardMovePlan& plan, int32 delay = 0) {
        FramePacer pacer(platform, delay);
        playCardFrames(canvas, boardBuffer, plan, kCard, paintRed, pacer);
    }

    TableCanvas canvas;
    QPixmap boardBuffer;
    test::FakePlatform platform;
    CardPaint paintRed = [](QPainter& p, int x, int y) {
        p.fillRect(QRect(QPoint(x, y), kCard), Qt::red);
    };
};

TEST_F(CardFlight, FramesLeaveTheBackBufferClean) {
    const QImage before = test::pixelsOf(boardBuffer);
    fly(planCardMove(10, 10, 60, 40, 1, kCard.width(), kCard.height(), true));
    EXPECT_EQ(test::pixelsOf(boardBuffer), before);
    EXPECT_EQ(test::countColour(canvas.windowImage(), qRgb(255, 0, 0)), 0);
}

TEST_F(CardFlight, TheLastFrameShowsTheCardWhereItGot) {
    const CardMovePlan plan = planCardMove(10, 10, 60, 10, 1, kCard.width(), kCard.height(), true);
    fly(plan);
    ASSERT_TRUE(canvas.hasFrame());
    const QPixmap shown = canvas.composed();
    EXPECT_EQ(pixelAt(shown, 60, 10), qRgb(255, 0, 0));
    EXPECT_EQ(pixelAt(shown, 79, 39), qRgb(255, 0, 0));
    EXPECT_EQ(pixelAt(shown, 59, 10), qRgb(0, 255, 0)); // earlier frames were erased
    EXPECT_EQ(pixelAt(shown, 80, 10), qRgb(0, 255, 0));
}

TEST_F(CardFlight, LandingPutsTheFinalPictureOnTheWindow) {
    const CardMovePlan plan = planCardMove(10, 10, 60, 40, 1, kCard.width(), kCard.height(), true);
    fly(plan);
    const QPixmap picAnimate = makeSurfacePixmap(kCard, 1.0, Qt::blue);
    landCard(canvas, picAnimate, kCard, plan);
    EXPECT_FALSE(canvas.hasFrame());
    EXPECT_EQ(test::countColour(canvas.windowImage(), qRgb(0, 0, 255)),
              kCard.width() * kCard.height());
    EXPECT_EQ(pixelAt(canvas.windowImage(), 60, 40), qRgb(0, 0, 255));
    EXPECT_EQ(test::countColour(canvas.composed(), qRgb(255, 0, 0)), 0);
}

TEST_F(CardFlight, AnimationOffDrawsNoFrameButLands) {
    const CardMovePlan plan =
        planCardMove(10, 10, 200, 150, 1, kCard.width(), kCard.height(), false);
    fly(plan, 200);
    EXPECT_FALSE(canvas.hasFrame());
    EXPECT_EQ(platform.tickCount(), 1000);
    const QPixmap picAnimate = makeSurfacePixmap(kCard, 1.0, Qt::blue);
    landCard(canvas, picAnimate, kCard, plan);
    EXPECT_EQ(pixelAt(canvas.windowImage(), 200, 150), qRgb(0, 0, 255));
}

} // namespace
} // namespace quillan

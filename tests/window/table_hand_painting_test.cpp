#include <gtest/gtest.h>

#include "platform/card_library.h"
#include "table/card_back_painter.h"
#include "table/hand_painting.h"
#include "window/table_pixels.h"

namespace quillan {
namespace {

constexpr int kSpacing = 16;
constexpr int kHandTop = 19;
const QSize kCard(CardLibrary::kWidth, CardLibrary::kHeight);
const QSize kHandSize(10 * kSpacing + CardLibrary::kWidth, CardLibrary::kHeight + kHandTop);
constexpr int kXs[10] = {0, 16, 40, 56, 72, 96, 112, 128, 144, 160};

Hand dealtHand(int y) {
    Hand hand;
    for (int i = 0; i < 10; ++i) {
        setCard(hand[i], 4 * i + 1);
        hand[i].x = kXs[i];
        hand[i].y = y;
    }
    return hand;
}

class HandPainting : public ::testing::Test {
  protected:
    // Draws card i of `hand` at its place (y overridden when given), or a back.
    QPixmap expected(
        const Hand& hand, const std::function<int(int)>& yOf,
        const std::function<bool(int)>& asBack = [](int) { return false; }) {
        return test::referencePicture(kHandSize, Qt::darkGreen, [&](QPainter& p) {
            for (int i = 0; i < 10; ++i) {
                const int y = yOf(i);
                if (y < 0) {
                    continue;
                }
                if (asBack(i)) {
                    cards.cdtDraw(p, hand[i].x, y, 54, CardLibrary::kModeBack);
                } else {
                    cards.cdtDraw(p, hand[i].x, y, hand[i].cardvalue, CardLibrary::kModeFace);
                }
            }
        });
    }
    HandPaintResult paint(const Hand& hand, const HandPaintRequest& request) {
        return paintHand(picture, &clean, hand, request, cards,
                         CardBackPainter(cards, 54, nullptr, kCard));
    }

    CardLibrary cards;
    QPixmap clean = makeSurfacePixmap(kHandSize, 1.0, Qt::darkGreen);
    QPixmap picture = makeSurfacePixmap(kHandSize, 1.0, Qt::magenta);
};

TEST_F(HandPainting, SkipNinetyNineDrawsAllTen) {
    const Hand hand = dealtHand(kHandTop);
    const HandPaintResult r = paint(hand, {});
    EXPECT_TRUE(r.painted);
    EXPECT_EQ(r.raisedSlot, kNoRaisedSlot);
    EXPECT_EQ(test::pixelsOf(picture),
              test::pixelsOf(expected(hand, [](int) { return kHandTop; })));
}

TEST_F(HandPainting, HiddenSkipLeavesItsPlaceEmpty) {
    const Hand hand = dealtHand(kHandTop);
    HandPaintRequest request;
    request.skipIndex = 3;
    request.hideSkipped = true;
    paint(hand, request);
    EXPECT_EQ(test::pixelsOf(picture),
              test::pixelsOf(expected(hand, [](int i) { return i == 3 ? -1 : kHandTop; })));
}

TEST_F(HandPainting, RaisedCardWhileThePlayerMustDiscard) {
    const Hand hand = dealtHand(kHandTop);
    HandPaintRequest request;
    request.skipIndex = 4;
    request.hideSkipped = true; // raising wins over hiding
    request.playerHoldsDraw = true;
    const HandPaintResult r = paint(hand, request);
    EXPECT_EQ(r.raisedSlot, 4);
    EXPECT_EQ(test::pixelsOf(picture),
              test::pixelsOf(expected(hand, [](int i) { return i == 4 ? 0 : kHandTop; })));
}

TEST_F(HandPainting, NothingWhileTheDealRuns) {
    const QImage before = test::pixelsOf(picture);
    HandPaintRequest request;
    request.dealInProgress = true;
    const HandPaintResult r = paint(dealtHand(kHandTop), request);
    EXPECT_FALSE(r.painted);
    EXPECT_EQ(test::pixelsOf(picture), before);
}

TEST_F(HandPainting, HiddenComputerHandShowsBacksButTheSkippedFace) {
    const Hand hand = dealtHand(0);
    HandPaintRequest request;
    request.isComputer = true;
    request.skipIndex = 6;
    paint(hand, request);
    EXPECT_EQ(test::pixelsOf(picture),
              test::pixelsOf(expected(
                  hand, [](int) { return 0; }, [](int i) { return i != 6; })));

    request.showComputerFaces = true;
    paint(hand, request);
    EXPECT_EQ(test::pixelsOf(picture), test::pixelsOf(expected(hand, [](int) { return 0; })));
}

} // namespace
} // namespace quillan

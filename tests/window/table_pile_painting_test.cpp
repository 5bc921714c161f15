#include <gtest/gtest.h>

#include "platform/card_library.h"
#include "table/card_back_painter.h"
#include "table/pile_painting.h"
#include "table/surface.h"
#include "window/table_pixels.h"

namespace quillan {
namespace {

const QSize kCard(CardLibrary::kWidth, CardLibrary::kHeight);
const QSize kRejectSize(CardLibrary::kWidth + 10, CardLibrary::kHeight + 2);
const QSize kDealSize(CardLibrary::kWidth + 6, CardLibrary::kHeight + 3);

Pile pileOf(std::initializer_list<int> values) {
    Pile pile;
    pile.resizeKeep(static_cast<long>(values.size()));
    long i = 1;
    for (const int v : values) {
        setCard(pile[i++], v);
    }
    return pile;
}

struct Placed {
    int value;
    int x;
    int y;
};

QPixmap expectedReject(const QPixmap& clean, std::initializer_list<Placed> cards) {
    CardLibrary library;
    QPixmap out = clean.copy();
    QPainter painter(&out);
    for (const Placed& c : cards) {
        library.cdtDraw(painter, c.x, c.y, c.value, CardLibrary::kModeFace);
    }
    return out;
}

class RejectPilePainting : public ::testing::Test {
  protected:
    CardLibrary cards;
    QPixmap clean = makeSurfacePixmap(kRejectSize, 1.0, Qt::darkGreen);
    QPixmap picture = makeSurfacePixmap(kRejectSize, 1.0, Qt::magenta);
};

TEST_F(RejectPilePainting, OneCardAtTheCorner) {
    paintRejectPile(picture, clean, pileOf({12}), cards);
    EXPECT_EQ(test::pixelsOf(picture), test::pixelsOf(expectedReject(clean, {{12, 0, 0}})));
}

TEST_F(RejectPilePainting, TwoCardsFanned) {
    paintRejectPile(picture, clean, pileOf({12, 40}), cards);
    EXPECT_EQ(test::pixelsOf(picture),
              test::pixelsOf(expectedReject(clean, {{12, 0, 0}, {40, 5, 1}})));
}

TEST_F(RejectPilePainting, OnlyTheTopThreeOfALongerPile) {
    paintRejectPile(picture, clean, pileOf({3, 12, 40, 51}), cards);
    EXPECT_EQ(test::pixelsOf(picture),
              test::pixelsOf(expectedReject(clean, {{12, 0, 0}, {40, 5, 1}, {51, 10, 2}})));
}

TEST_F(RejectPilePainting, EmptyPileShowsTheCleanBackground) {
    paintRejectPile(picture, clean, pileOf({12, 40}), cards);
    paintRejectPile(picture, clean, Pile{}, cards);
    EXPECT_EQ(test::pixelsOf(picture), test::pixelsOf(clean));
}

QPixmap expectedBacks(int count, int design) {
    CardLibrary library;
    return test::referencePicture(kDealSize, Qt::darkGreen, [&](QPainter& p) {
        for (int i = 0; i < count; ++i) {
            library.cdtDraw(p, 2 * i, i, design, CardLibrary::kModeBack);
        }
    });
}

TEST(DealPilePainting, FourStagesStackedOnTheFirst) {
    CardLibrary cards;
    std::array<Surface, 4> deal;
    std::array<Surface*, 4> picDeal{};
    for (int k = 0; k < 4; ++k) {
        deal[k].create(kDealSize, 1.0, Qt::darkGreen);
        deal[k].move(QPoint(100 + 10 * k, 50 + k));
        picDeal[k] = &deal[k];
    }
    drawDealDeck(picDeal, CardBackPainter(cards, 54, nullptr, kCard));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(test::pixelsOf(deal[k].picture()), test::pixelsOf(expectedBacks(4 - k, 54)))
            << "stage " << k;
        EXPECT_EQ(deal[k].pos(), QPoint(100, 50));
        EXPECT_TRUE(deal[k].isVisible());
    }
}

TEST(DealPilePainting, CustomBackIsStretchedIntoEachPlace) {
    CardLibrary cards;
    const QPixmap custom = makeSurfacePixmap(QSize(10, 10), 1.0, Qt::magenta);
    QPixmap picture = makeSurfacePixmap(kDealSize, 1.0, Qt::darkGreen);
    paintDealPileStage(picture, 3, CardBackPainter(cards, 54, &custom, kCard));
    EXPECT_EQ(test::countColour(picture, qRgb(255, 0, 255)), kCard.width() * kCard.height());

    // A custom back that failed to load falls back to the design.
    const QPixmap missing;
    QPixmap fallback = makeSurfacePixmap(kDealSize, 1.0, Qt::darkGreen);
    paintDealPileStage(fallback, 3, CardBackPainter(cards, 54, &missing, kCard));
    EXPECT_EQ(test::pixelsOf(fallback), test::pixelsOf(expectedBacks(1, 54)));
}

TEST(DealPilePainting, ComputerBacksInGroups) {
    CardLibrary cards;
    const QSize hand(16 * 10 + kCard.width(), kCard.height());
    QPixmap picture = makeSurfacePixmap(hand, 1.0, Qt::darkGreen);
    paintComputerBacks(picture, 16, CardBackPainter(cards, 60, nullptr, kCard));
    const QPixmap expected = test::referencePicture(hand, Qt::darkGreen, [&](QPainter& p) {
        for (const int x : {0, 16, 32, 56, 72, 88, 112, 128, 144, 160}) {
            cards.cdtDraw(p, x, 0, 60, CardLibrary::kModeBack);
        }
    });
    EXPECT_EQ(test::pixelsOf(picture), test::pixelsOf(expected));
}

} // namespace
} // namespace quillan

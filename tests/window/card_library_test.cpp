// The card painter: numbering, distinct pictures, highlight, animation frames, bad indices,
// pixel ratios and the picture cache.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>
#include <utility>
#include <vector>

#include "platform/card_library.h"

namespace quillan {
namespace {

const QColor kSentinel(0x12, 0x34, 0x56);

QImage blankTarget(qreal ratio, QSize logical = {CardLibrary::kWidth, CardLibrary::kHeight}) {
    QImage image(logical * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kSentinel);
    return image;
}

QImage drawn(CardLibrary& cards, int card, int mode, qreal ratio = 1.0) {
    QImage image = blankTarget(ratio);
    QPainter p(&image);
    cards.cdtDraw(p, 0, 0, card, mode);
    return image;
}

QImage animated(CardLibrary& cards, int design, int frame, qreal ratio = 1.0) {
    QImage image = blankTarget(ratio);
    QPainter p(&image);
    cards.cdtAnimate(p, design, 0, 0, frame);
    return image;
}

QByteArray bytesOf(const QImage& image) {
    return {reinterpret_cast<const char*>(image.constBits()),
            static_cast<qsizetype>(image.sizeInBytes())};
}

int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += (c.red() > 150 && c.green() < 90 && c.blue() < 110) ? 1 : 0;
        }
    }
    return count;
}

TEST(CardLibraryTest, InitReportsTheCardSize) {
    CardLibrary cards;
    int32 width{0};
    int32 height{0};
    EXPECT_TRUE(cards.cdtInit(width, height));
    EXPECT_EQ(width, 71);
    EXPECT_EQ(height, 96);
}

class CardLibraryRatioTest : public ::testing::TestWithParam<qreal> {
  protected:
    CardLibrary cards;
};

TEST_P(CardLibraryRatioTest, EveryFaceAndBackIsItsOwnPicture) {
    std::set<QByteArray> seen;
    for (int card = 0; card < 52; ++card) {
        const QImage face = drawn(cards, card, CardLibrary::kModeFace, GetParam());
        EXPECT_NE(face, blankTarget(GetParam())) << "face " << card << " drew nothing";
        EXPECT_TRUE(seen.insert(bytesOf(face)).second) << "face " << card << " repeats";
    }
    for (int design = 53; design <= 65; ++design) {
        const QImage back = drawn(cards, design, CardLibrary::kModeBack, GetParam());
        EXPECT_TRUE(seen.insert(bytesOf(back)).second) << "back " << design << " repeats";
    }
    EXPECT_EQ(seen.size(), 65u);
}

TEST_P(CardLibraryRatioTest, HighlightInvertsTheFaceColours) {
    const qreal ratio = GetParam();
    for (int card = 0; card < 52; ++card) {
        const QImage face = drawn(cards, card, CardLibrary::kModeFace, ratio);
        const QImage lit = drawn(cards, card, CardLibrary::kModeHighlight, ratio);
        ASSERT_NE(face, lit) << "card " << card;
        // The white paper turns black; the rounded corner outside the card stays untouched.
        const QPoint paper(static_cast<int>(30 * ratio), static_cast<int>(4 * ratio));
        EXPECT_EQ(face.pixelColor(paper), QColor(Qt::white)) << "card " << card;
        EXPECT_EQ(lit.pixelColor(paper), QColor(Qt::black)) << "card " << card;
        EXPECT_EQ(lit.pixelColor(0, 0), kSentinel) << "card " << card;
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, CardLibraryRatioTest, ::testing::Values(1.0, 2.0));

TEST(CardLibraryTest, RedSuitsAreRedAndBlackSuitsAreNot) {
    CardLibrary cards;
    for (int card = 0; card < 40; ++card) { // aces to tens: the courts wear red robes
        const int red = redPixels(drawn(cards, card, CardLibrary::kModeFace));
        const int suit = card % 4;
        if (suit == 1 || suit == 2) {
            EXPECT_GT(red, 60) << "card " << card;
        } else {
            EXPECT_EQ(red, 0) << "card " << card;
        }
    }
}

TEST(CardLibraryTest, AnimatedBacksHaveFourDifferentFrames) {
    CardLibrary cards;
    for (const int design : {64, 65}) {
        std::set<QByteArray> frames;
        for (int frame = 0; frame < 4; ++frame) {
            frames.insert(bytesOf(animated(cards, design, frame)));
        }
        EXPECT_EQ(frames.size(), 4u) << "design " << design;
        EXPECT_EQ(animated(cards, design, 0), drawn(cards, design, CardLibrary::kModeBack));
    }
}

TEST(CardLibraryTest, BadIndicesDrawNothing) {
    CardLibrary cards;
    const QImage untouched = blankTarget(1.0);
    const std::vector<std::pair<int, int>> bad{
        {-1, 0}, {52, 0},  {53, 0}, {-1, 2},  {52, 2}, {65, 2},      {52, 1},        {66, 1},
        {0, 1},  {-70, 1}, {10, 3}, {10, -1}, {60, 7}, {1 << 30, 0}, {-(1 << 30), 1}};
    for (const auto& [card, mode] : bad) {
        EXPECT_EQ(drawn(cards, card, mode), untouched) << "card " << card << " mode " << mode;
    }
    for (const auto& [design, frame] :
         std::vector<std::pair<int, int>>{{64, 4}, {65, -1}, {53, 0}, {63, 1}, {66, 0}, {0, 0}}) {
        EXPECT_EQ(animated(cards, design, frame), untouched)
            << "design " << design << " frame " << frame;
    }
    EXPECT_EQ(cards.cachedCount(), 0u);
}

TEST(CardLibraryTest, InactivePainterIsIgnored) {
    CardLibrary cards;
    QPainter idle;
    cards.cdtDraw(idle, 0, 0, 5, CardLibrary::kModeFace);
    cards.cdtAnimate(idle, 64, 0, 0, 1);
    EXPECT_EQ(cards.cachedCount(), 0u);
}

TEST(CardLibraryTest, DrawsOnlyInsideItsRectangleAtTheGivenCorner) {
    CardLibrary cards;
    QImage table = blankTarget(1.0, QSize(200, 200));
    {
        QPainter p(&table);
        cards.cdtDraw(p, 50, 60, 20, CardLibrary::kModeFace);
    }
    const QRect card(50, 60, 71, 96);
    for (int y = 0; y < table.height(); ++y) {
        for (int x = 0; x < table.width(); ++x) {
            if (!card.contains(x, y)) {
                ASSERT_EQ(table.pixelColor(x, y), kSentinel) << x << "," << y;
            }
        }
    }
    EXPECT_NE(table.pixelColor(card.center()), kSentinel);
}

TEST(CardLibraryTest, TwiceTheRatioGivesTwiceTheDetail) {
    CardLibrary cards;
    const QPixmap sharp = cards.picture(7, CardLibrary::kModeFace, 0, 2.0);
    EXPECT_EQ(sharp.size(), QSize(142, 192));
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    const QImage coarse = drawn(cards, 7, CardLibrary::kModeFace, 1.0)
                              .scaled(142, 192, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage fine = drawn(cards, 7, CardLibrary::kModeFace, 2.0);
    fine.setDevicePixelRatio(1.0);
    EXPECT_EQ(fine.size(), coarse.size());
    EXPECT_NE(fine, coarse);
}

TEST(CardLibraryTest, CachesOnePicturePerCardModeAndRatio) {
    CardLibrary cards;
    const QImage first = drawn(cards, 12, CardLibrary::kModeFace);
    EXPECT_EQ(cards.cachedCount(), 1u);
    EXPECT_EQ(drawn(cards, 12, CardLibrary::kModeFace), first);
    EXPECT_EQ(cards.cachedCount(), 1u);
    drawn(cards, 12, CardLibrary::kModeHighlight);
    drawn(cards, 12, CardLibrary::kModeFace, 2.0);
    drawn(cards, 60, CardLibrary::kModeBack);
    animated(cards, 65, 2);
    EXPECT_EQ(cards.cachedCount(), 5u);
    cards.cdtTerm();
    EXPECT_EQ(cards.cachedCount(), 0u);
    EXPECT_EQ(drawn(cards, 12, CardLibrary::kModeFace), first);
}

TEST(CardLibraryTest, RejectsUnusablePixelRatios) {
    CardLibrary cards;
    EXPECT_TRUE(cards.picture(3, CardLibrary::kModeFace, 0, 0.0).isNull());
    EXPECT_TRUE(cards.picture(3, CardLibrary::kModeFace, 0, -1.0).isNull());
    EXPECT_TRUE(cards.picture(3, CardLibrary::kModeFace, 0, 1e9).isNull());
    EXPECT_FALSE(cards.picture(3, CardLibrary::kModeFace, 0, 1.5).isNull());
}

} // namespace
} // namespace quillan

// The corner index of every face stays whole in the strip a card keeps visible when the next
// card of a hand lies over it at the narrowest spacing, at 100% and 200%.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "platform/card_library.h"
#include "prefs/prefs_spacing_rules.h"

namespace quillan {
namespace {

constexpr int kSpacing = kMinCardSpace;
// Rows holding the rank and the suit of the top-left index.
constexpr int kIndexBottom = 26;
// Left of this the faces carry nothing but the index (pips and court frames start later).
constexpr int kArtLeft = 16;

QImage face(CardLibrary& cards, int card, qreal ratio) {
    QImage image(QSize(CardLibrary::kWidth, CardLibrary::kHeight) * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    cards.cdtDraw(p, 0, 0, card, CardLibrary::kModeFace);
    return image;
}

// Ink: a pixel clearly darker than the paper (the card's own grey edge is left of x = 1).
bool isInk(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 200;
}

class CardIndexTest : public ::testing::TestWithParam<qreal> {
  protected:
    CardLibrary cards;
    qreal ratio() const { return GetParam(); }
    int device(qreal logical) const { return static_cast<int>(logical * ratio()); }
};

TEST_P(CardIndexTest, IndexLiesInTheStripWithPaperBeforeTheNextCard) {
    for (int card = 0; card < 52; ++card) {
        const QImage image = face(cards, card, ratio());
        int rankInk = 0;
        int suitInk = 0;
        for (int y = device(1); y < device(kIndexBottom); ++y) { // below the top edge
            for (int x = device(1); x < device(kArtLeft); ++x) {
                if (!isInk(image, x, y)) {
                    continue;
                }
                // A pixel of paper stays between the index and the next card's edge.
                ASSERT_LT(x, device(kSpacing - 1))
                    << "card " << card << " has index ink at " << x << "," << y;
                (y < device(15) ? rankInk : suitInk) += 1;
            }
        }
        EXPECT_GT(rankInk, device(12) * ratio()) << "card " << card << ": rank too faint";
        EXPECT_GT(suitInk, device(12) * ratio()) << "card " << card << ": suit too faint";
    }
}

TEST_P(CardIndexTest, EveryRankShowsItsOwnIndexInTheStrip) {
    for (int suit = 0; suit < 4; ++suit) {
        std::set<QByteArray> strips;
        for (int rank = 0; rank < 13; ++rank) {
            const QImage strip = face(cards, rank * 4 + suit, ratio())
                                     .copy(0, 0, device(kSpacing), device(15))
                                     .convertToFormat(QImage::Format_Grayscale8);
            strips.insert(QByteArray(reinterpret_cast<const char*>(strip.constBits()),
                                     static_cast<qsizetype>(strip.sizeInBytes())));
        }
        EXPECT_EQ(strips.size(), 13u) << "suit " << suit;
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, CardIndexTest, ::testing::Values(1.0, 2.0));

} // namespace
} // namespace quillan

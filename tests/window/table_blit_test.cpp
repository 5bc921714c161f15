#include <gtest/gtest.h>

#include "platform/card_library.h"
#include "table/blit_transparent.h"
#include "window/table_pixels.h"

namespace quillan {
namespace {

using test::pixelAt;

QPixmap keyedSource(qreal dpr) {
    return test::referencePicture(
        QSize(4, 4), Qt::white,
        [](QPainter& p) {
            p.fillRect(1, 1, 1, 1, Qt::black);
            p.fillRect(2, 2, 1, 1, Qt::red);
        },
        dpr);
}

TEST(BlitTransparent, WhiteLetsTheBackgroundShow) {
    for (const qreal dpr : {1.0, 2.0}) {
        QPixmap dest = makeSurfacePixmap(QSize(20, 20), dpr, Qt::blue);
        const QPixmap background = makeSurfacePixmap(QSize(20, 20), dpr, Qt::yellow);
        BlitTransparent(dest, background, keyedSource(dpr), QRect(0, 0, 4, 4), QPoint(3, 3),
                        0xFFFFFF);
        EXPECT_EQ(pixelAt(dest, 4, 4), qRgb(0, 0, 0)) << dpr;
        EXPECT_EQ(pixelAt(dest, 5, 5), qRgb(255, 0, 0)) << dpr;
        EXPECT_EQ(pixelAt(dest, 3, 3), qRgb(255, 255, 0)) << dpr; // keyed: background
        EXPECT_EQ(pixelAt(dest, 6, 6), qRgb(255, 255, 0)) << dpr;
        EXPECT_EQ(pixelAt(dest, 7, 7), qRgb(0, 0, 255)) << dpr; // outside: untouched
        EXPECT_EQ(pixelAt(dest, 2, 2), qRgb(0, 0, 255)) << dpr;
    }
}

TEST(BlitTransparent, CopiesOnlyTheSourceRectangle) {
    QPixmap dest = makeSurfacePixmap(QSize(20, 20), 1.0, Qt::blue);
    BlitTransparent(dest, dest, keyedSource(1.0), QRect(2, 2, 2, 2), QPoint(10, 10), 0xFFFFFF);
    EXPECT_EQ(pixelAt(dest, 10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(pixelAt(dest, 11, 11), qRgb(0, 0, 255));
    EXPECT_EQ(test::countColour(dest, qRgb(0, 0, 0)), 0);
}

TEST(EmptyPlaceMark, IsTheNeutralBackKeyedOnWhite) {
    CardLibrary cards;
    const QSize card(CardLibrary::kWidth, CardLibrary::kHeight);
    QPixmap picAnimate = makeSurfacePixmap(card, 1.0, Qt::white);
    paintEmptyPlaceMark(picAnimate, cards);
    const QImage mark = test::pixelsOf(picAnimate);

    QPixmap table = makeSurfacePixmap(QSize(200, 150), 1.0, Qt::red);
    stampEmptyPlaceMark(table, QPoint(20, 30), picAnimate);
    const QImage result = test::pixelsOf(table);
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const QRgb m = mark.pixel(x, y) & 0xFFFFFFu;
            const QRgb want = m == 0xFFFFFFu ? 0xFF0000u : m;
            ASSERT_EQ(result.pixel(20 + x, 30 + y) & 0xFFFFFFu, want) << x << "," << y;
        }
    }
    EXPECT_EQ(result.pixel(19, 30) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(result.pixel(20 + card.width(), 30) & 0xFFFFFFu, 0xFF0000u);
}

// The mark as the table lays it: picAnimate cleared to white, design 53 painted into it, then
// stamped onto the cloth with white letting the cloth show.
QImage markOnCloth(qreal dpr, const QColor& cloth) {
    CardLibrary cards;
    const QSize card(CardLibrary::kWidth, CardLibrary::kHeight);
    QPixmap picAnimate = makeSurfacePixmap(card, dpr, Qt::white);
    paintEmptyPlaceMark(picAnimate, cards);
    QPixmap table = makeSurfacePixmap(card, dpr, cloth);
    stampEmptyPlaceMark(table, QPoint(0, 0), picAnimate);
    return test::pixelsOf(table);
}

TEST(EmptyPlaceMark, LeavesMostlyClothWithAFaintOutline) {
    const QColor cloth(0, 96, 48);
    for (const qreal dpr : {1.0, 2.0}) {
        const QImage mark = markOnCloth(dpr, cloth);
        const int all = mark.width() * mark.height();
        const QRect field(QPoint(5, 5) * dpr, QPoint(65, 90) * dpr);
        int clothPixels = 0;
        int darkInField = 0;
        for (int y = 0; y < mark.height(); ++y) {
            for (int x = 0; x < mark.width(); ++x) {
                const QRgb m = mark.pixel(x, y);
                const bool isCloth = (m & 0xFFFFFFu) == (cloth.rgb() & 0xFFFFFFu);
                clothPixels += isCloth;
                darkInField += !isCloth && field.contains(x, y) && qGray(m) < 140;
            }
        }
        // Inside the outline only light lines are left.
        EXPECT_EQ(darkInField, 0) << dpr;
        // Most of the place shows the table; an outline and a light pattern remain.
        EXPECT_GT(clothPixels, all * 3 / 4) << dpr;
        EXPECT_LT(clothPixels, all * 97 / 100) << dpr;
        // The outline runs round the whole place: its middle row and column meet it.
        const int midX = mark.width() / 2;
        const int midY = mark.height() / 2;
        EXPECT_NE(mark.pixel(midX, 0), cloth.rgb()) << dpr;
        EXPECT_NE(mark.pixel(midX, mark.height() - 1), cloth.rgb()) << dpr;
        EXPECT_NE(mark.pixel(0, midY), cloth.rgb()) << dpr;
        EXPECT_NE(mark.pixel(mark.width() - 1, midY), cloth.rgb()) << dpr;
    }
}

TEST(EmptyPlaceMark, ItsDesignStillLooksLikeACardBack) {
    // Chosen as a back, design 53 is patterned all over its field, not a blank card.
    CardLibrary cards;
    for (const qreal dpr : {1.0, 2.0}) {
        const QImage back =
            test::pixelsOf(cards.picture(kEmptyPlaceDesign, CardLibrary::kModeBack, 0, dpr));
        const auto device = [dpr](int logical) { return static_cast<int>(logical * dpr); };
        for (int cellY = 0; cellY < 4; ++cellY) {
            for (int cellX = 0; cellX < 3; ++cellX) {
                const QRect cell(device(6 + cellX * 20), device(6 + cellY * 21), device(20),
                                 device(21));
                int patterned = 0;
                for (int y = cell.top(); y <= cell.bottom(); ++y) {
                    for (int x = cell.left(); x <= cell.right(); ++x) {
                        patterned += (back.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu;
                    }
                }
                EXPECT_GT(patterned, cell.width() * cell.height() / 20)
                    << dpr << " cell " << cellX << "," << cellY;
            }
        }
    }
}

} // namespace
} // namespace quillan

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

} // namespace
} // namespace quillan

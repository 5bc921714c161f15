#include <gtest/gtest.h>

#include "table/surface.h"
#include "table/table_canvas.h"
#include "window/table_pixels.h"

namespace quillan {
namespace {

using test::pixelAt;

QPixmap tableWithRedPatch(qreal dpr) {
    return test::referencePicture(
        QSize(100, 80), Qt::blue, [](QPainter& p) { p.fillRect(30, 40, 10, 5, Qt::red); }, dpr);
}

TEST(Surface, IsMadeAtTheGivenPixelRatio) {
    Surface s;
    s.create(QSize(10, 5), 2.0);
    EXPECT_EQ(s.picture().size(), QSize(20, 10));
    EXPECT_EQ(s.size(), QSize(10, 5));
    s.setGeometry({3, 4, 10, 5});
    EXPECT_EQ(s.rect(), QRect(3, 4, 10, 5));
    EXPECT_EQ(s.picture().devicePixelRatio(), 2.0);
    EXPECT_FALSE(s.isVisible());
}

TEST(Surface, CopiesWhatLiesUnderItsPlace) {
    for (const qreal dpr : {1.0, 2.0}) {
        const QPixmap table = tableWithRedPatch(dpr);
        Surface s;
        s.create(QSize(10, 5), dpr);
        s.move(QPoint(30, 40));
        s.copyUnderlying(table);
        EXPECT_EQ(test::countColour(s.picture(), qRgb(255, 0, 0)),
                  s.picture().width() * s.picture().height());
        s.move(QPoint(29, 40));
        s.copyUnderlying(table);
        EXPECT_EQ(pixelAt(s.picture(), 0, 0), qRgb(0, 0, 255)) << dpr;
        EXPECT_EQ(pixelAt(s.picture(), 1, 0), qRgb(255, 0, 0)) << dpr;
    }
}

TEST(TableCanvas, PaintsImageThenFrameThenVisibleSurfaces) {
    TableCanvas canvas;
    canvas.resizeTable(QSize(100, 80), 1.0);
    canvas.windowImage().fill(Qt::green);
    const QPixmap buffer = test::referencePicture(QSize(100, 80), Qt::red, [](QPainter&) {});
    Surface strip;
    strip.create(QSize(10, 10), 1.0, Qt::blue);
    strip.move(QPoint(20, 20));
    strip.show();
    Surface hidden;
    hidden.create(QSize(10, 10), 1.0, Qt::yellow);
    hidden.move(QPoint(50, 50));
    canvas.setSurfaces({&strip, &hidden});

    canvas.showFrame(buffer, QRect(15, 15, 60, 60));
    ASSERT_TRUE(canvas.hasFrame());
    QPixmap shown = canvas.composed();
    EXPECT_EQ(pixelAt(shown, 5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(pixelAt(shown, 16, 16), qRgb(255, 0, 0));
    EXPECT_EQ(pixelAt(shown, 25, 25), qRgb(0, 0, 255)); // the strip stays above the card
    EXPECT_EQ(pixelAt(shown, 55, 55), qRgb(255, 0, 0)); // hidden surfaces are not painted

    canvas.endFrames();
    EXPECT_FALSE(canvas.hasFrame());
    shown = canvas.composed();
    EXPECT_EQ(pixelAt(shown, 16, 16), qRgb(0, 255, 0));
}

TEST(PixelCopy, KeepsDevicePixelsAtRatioTwo) {
    const QPixmap source = test::referencePicture(
        QSize(20, 20), Qt::white, [](QPainter& p) { p.fillRect(5, 5, 1, 1, Qt::black); }, 2.0);
    QPixmap dest = makeSurfacePixmap(QSize(20, 20), 2.0, Qt::white);
    copyPixels(dest, QPoint(10, 10), source, QRect(5, 5, 1, 1));
    // One logical pixel is a 2 x 2 block of device pixels, copied exactly.
    EXPECT_EQ(test::countColour(dest, qRgb(0, 0, 0)), 4);
    EXPECT_EQ(pixelAt(dest, 10, 10), qRgb(0, 0, 0));
}

} // namespace
} // namespace quillan

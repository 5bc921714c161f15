#include <gtest/gtest.h>

#include "table/outline_text.h"
#include "window/table_pixels.h"

namespace quillan {
namespace {

constexpr QRgb kGrey = 0x808080;

QFont bigFont() {
    QFont font;
    font.setPixelSize(40);
    font.setBold(true);
    return font;
}

QPixmap drawn(const COutlineText& outline, const QString& text) {
    return test::referencePicture(QSize(160, 60), QColor(kGrey), [&](QPainter& p) {
        p.setFont(bigFont());
        outline.DrawText(p, text, 5, 5);
    });
}

TEST(OutlineText, DefaultsAreWhiteOutlineBlackFill) {
    const COutlineText outline;
    EXPECT_TRUE(outline.DrawOutline);
    EXPECT_TRUE(outline.DrawFill);
    EXPECT_EQ(outline.PenWidth, 1);
    EXPECT_EQ(outline.PenColor, QColor(255, 255, 255));
    EXPECT_EQ(outline.BrushColor, QColor(0, 0, 0));
    const QPixmap picture = drawn(outline, "88");
    EXPECT_GT(test::countColour(picture, qRgb(255, 255, 255)), 20);
    EXPECT_GT(test::countColour(picture, qRgb(0, 0, 0)), 100);
}

TEST(OutlineText, NeitherOutlineNorFillPaintsNothing) {
    COutlineText outline;
    outline.DrawOutline = false;
    outline.DrawFill = false;
    const QPixmap picture = drawn(outline, "88");
    EXPECT_EQ(test::countColour(picture, kGrey), 160 * 60);
}

TEST(OutlineText, OutlineOnlyLeavesTheInsideAlone) {
    COutlineText outline;
    outline.DrawFill = false;
    const QPixmap picture = drawn(outline, "88");
    EXPECT_EQ(test::countColour(picture, qRgb(0, 0, 0)), 0);
    EXPECT_GT(test::countColour(picture, qRgb(255, 255, 255)), 20);
}

TEST(OutlineText, TextStartsAtItsTopLeftAndKeepsThePainterState) {
    COutlineText outline;
    QPixmap picture = makeSurfacePixmap(QSize(160, 60), 1.0, QColor(kGrey));
    QPainter painter(&picture);
    painter.setFont(bigFont());
    painter.setPen(QPen(Qt::red, 3));
    painter.setBrush(Qt::green);
    outline.DrawText(painter, "88", 80, 10);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::red));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
    painter.end();
    const QImage image = test::pixelsOf(picture);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < 78; ++x) {
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFFu, kGrey) << x << "," << y;
        }
    }
    for (int x = 0; x < image.width(); ++x) {
        ASSERT_EQ(image.pixel(x, 7) & 0xFFFFFFu, kGrey) << x;
    }
}

TEST(OutlineText, BanksGoOnTheWindowAndTheBackBuffer) {
    QPixmap window = makeSurfacePixmap(QSize(200, 100), 1.0, QColor(kGrey));
    QPixmap buffer = makeSurfacePixmap(QSize(200, 100), 1.0, QColor(kGrey));
    drawBanks(window, buffer, bigFont(), -25, 130, {QPoint(10, 5), QPoint(10, 55)});
    for (const QPixmap* p : {&window, &buffer}) {
        EXPECT_GT(test::countColour(*p, qRgb(200, 200, 200)), 100);
        EXPECT_GT(test::countColour(*p, qRgb(0, 0, 0)), 20);
        EXPECT_EQ(test::countColour(*p, qRgb(255, 255, 255)), 0);
        const QImage image = test::pixelsOf(*p);
        bool topPainted = false;
        bool bottomPainted = false;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 200; ++x) {
                if ((image.pixel(x, y) & 0xFFFFFFu) != kGrey) {
                    (y < 50 ? topPainted : bottomPainted) = true;
                }
            }
        }
        EXPECT_TRUE(topPainted);
        EXPECT_TRUE(bottomPainted);
    }
}

} // namespace
} // namespace quillan

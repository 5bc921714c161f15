// Backgrounds drawn at twice their size: the table takes their logical size and draws them at
// its own pixel ratio, while a player's ordinary picture of the same pixels sizes the table
// one pixel per pixel, as before.
#include <QImage>

#include "support/table_window_fixture.h"
#include "table/background_picture.h"
#include "table/picture_ratio_rules.h"
#include "window/table_pixels.h"

using namespace quillan;
using quillan::test::TableWindowTest;

namespace {

const QRgb kLeft = qRgb(200, 30, 30);
const QRgb kRight = qRgb(30, 30, 200);

// Left half red, right half blue; the top rows alternate black and white pixel columns, a
// detail only a picture drawn one pixel per device pixel keeps.
QImage twoHalves(QSize pixels) {
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb half = x < pixels.width() / 2 ? kLeft : kRight;
            image.setPixel(x, y, y < 8 ? (x % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) : half);
        }
    }
    return image;
}

class DoubleSizeBackground : public TableWindowTest {
  protected:
    void addJpeg(const QString& name, QSize pixels, bool marked) {
        QImage image = twoHalves(pixels);
        if (marked) {
            image.setText(QString::fromLatin1(kPictureRatioKey), QStringLiteral("2"));
        }
        QDir().mkpath(folder.path() + "/pics");
        ASSERT_TRUE(image.save(folder.path() + "/pics/" + name, "JPEG", 100));
    }
};

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
           std::abs(qBlue(a) - qBlue(b)) < 24;
}

} // namespace

TEST_F(DoubleSizeBackground, TheTableTakesTheMarkedPicturesLogicalSize) {
    addJpeg("vangogh.jpg", QSize(1600, 1200), true);
    FrmMain& w = loadedRummy();
    EXPECT_EQ(w.ui.table->tableSize(), QSize(800, 600));
    EXPECT_EQ(w.table.thePic.size(), QSize(1600, 1200));
    EXPECT_DOUBLE_EQ(w.table.thePic.devicePixelRatio(), 2.0);
    // The whole picture shows, halved: its halves meet at the table's middle.
    const QPixmap& shown = w.ui.table->windowImage();
    EXPECT_TRUE(near(test::pixelAt(shown, 396, 300), kLeft));
    EXPECT_TRUE(near(test::pixelAt(shown, 404, 300), kRight));
    EXPECT_TRUE(near(test::pixelAt(shown, 790, 590), kRight));
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(DoubleSizeBackground, AnOrdinaryPictureOfTheSamePixelsIsOnePixelPerPixel) {
    addJpeg("vangogh.jpg", QSize(1600, 1200), false);
    addJpeg("beach2.jpg", QSize(1601, 1200), true); // marked, but its sides do not halve
    FrmMain& w = loadedRummy();
    EXPECT_EQ(w.ui.table->tableSize(), QSize(1600, 1200));
    EXPECT_DOUBLE_EQ(w.table.thePic.devicePixelRatio(), 1.0);
    EXPECT_TRUE(near(test::pixelAt(w.ui.table->windowImage(), 790, 590), kLeft));
    w.LoadBackGroundPic(QStringLiteral("beach2.jpg"));
    EXPECT_EQ(w.ui.table->tableSize(), QSize(1601, 1200));
}

TEST_F(DoubleSizeBackground, SwitchingBetweenMarkedAndOrdinaryPicturesResizesTheTable) {
    addJpeg("vangogh.jpg", QSize(1600, 1200), true);
    addJpeg("winter.jpg", QSize(700, 500), false);
    FrmMain& w = loadedRummy();
    w.LoadBackGroundPic(QStringLiteral("winter.jpg"));
    EXPECT_EQ(w.ui.table->tableSize(), QSize(700, 500));
    w.LoadBackGroundPic(QStringLiteral("vangogh.jpg"));
    EXPECT_EQ(w.ui.table->tableSize(), QSize(800, 600));
    // The bank figures are drawn over the picture's own pixels at their places (the figures
    // keep to the left of their labels).
    w.UpdateBank();
    const QRect bank = w.table.lblBankPlayer->geometry();
    ASSERT_GT(bank.left(), 400);
    EXPECT_TRUE(near(test::pixelAt(w.ui.table->windowImage(), bank.right() - 1, bank.bottom() - 1),
                     kRight));
}

TEST(PaintBackground, ADoubleSizePictureKeepsEveryPixelOnADoubleDensityTable) {
    QPixmap picture = QPixmap::fromImage(twoHalves(QSize(80, 60)));
    picture.setDevicePixelRatio(2.0);
    QPixmap table = makeSurfacePixmap(QSize(40, 30), 2.0, Qt::green);
    {
        QPainter painter(&table);
        paintBackground(painter, picture);
    }
    EXPECT_EQ(test::pixelsOf(table), picture.toImage().convertToFormat(QImage::Format_ARGB32));
    // On a table of one pixel per logical pixel, the fine columns blend to grey.
    QPixmap plain = makeSurfacePixmap(QSize(40, 30), 1.0, Qt::green);
    {
        QPainter painter(&plain);
        paintBackground(painter, picture, QRect(0, 0, 40, 30));
    }
    const QRgb blended = test::pixelAt(plain, 5, 1);
    EXPECT_GT(qGray(blended), 60);
    EXPECT_LT(qGray(blended), 200);
    EXPECT_TRUE(near(test::pixelAt(plain, 30, 20), kRight));
}

// The empty-place marks on a real table: the draw spots and the Reject stack's clean picture
// show mostly the cloth, with the mark's faint lines.
#include "support/table_window_fixture.h"
#include "window/table_pixels.h"

using namespace quillan;
using quillan::test::TableWindowTest;

using EmptyPlaces = TableWindowTest;

TEST_F(EmptyPlaces, DrawSpotsAndRejectStackShowMostlyCloth) {
    const QColor cloth(30, 90, 60);
    addPicture("vangogh.jpg", QSize(700, 500), cloth);
    FrmMain& w = loadedRummy();
    for (const Surface* place :
         {&w.table.picPlayerDrawBack, &w.table.picComputerDrawBAck, &w.table.picRejectBack}) {
        const QImage pixels = test::pixelsOf(place->picture());
        const int all = pixels.width() * pixels.height();
        const int clothPixels = test::countColour(place->picture(), cloth.rgb());
        EXPECT_GT(clothPixels, all * 3 / 4) << place->pos().x() << "," << place->pos().y();
        EXPECT_LT(clothPixels, all) << "no mark at " << place->pos().x() << "," << place->pos().y();
    }
}

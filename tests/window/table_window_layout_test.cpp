// Where the real window puts every place of the table, in both games, for a 700 x 500
// background and 71 x 96 cards (card spacing 16, hand top 19).
#include <QAction>
#include <QFrame>
#include <QLabel>

#include "support/table_window_fixture.h"

using namespace quillan;
using quillan::test::TableWindowTest;

using TableWindowLayout = TableWindowTest;

TEST_F(TableWindowLayout, GinRummyPlaces) {
    addPicture("vangogh.jpg", QSize(700, 500));
    FrmMain& w = loadedRummy();
    const TableState& t = w.table;
    EXPECT_EQ(w.ui.table->tableSize(), QSize(700, 500));
    EXPECT_EQ(t.picReject.rect(), QRect(105, 189, 81, 98));
    EXPECT_EQ(t.picDeal[0].pos(), QPoint(226, 189)); // 105 + 81 x 1.5, half to even
    EXPECT_EQ(t.picDeal[3].pos(), t.picDeal[0].pos());
    EXPECT_EQ(t.picPlayerHand.rect(), QRect(70, 330, 231, 115));
    EXPECT_EQ(t.picPlayerBack.rect(), t.picPlayerHand.rect());
    EXPECT_EQ(t.picComputerHand.rect(), QRect(70, 25, 231, 96));
    EXPECT_EQ(t.picComputerDraw.rect(), QRect(317, 25, 71, 96));
    EXPECT_EQ(t.picPlayerDraw.rect(), QRect(317, 349, 71, 96));
    EXPECT_EQ(t.picPlayerDrawBack.rect(), t.picPlayerDraw.rect());
    EXPECT_EQ(t.lblBankPlayer->geometry(), QRect(460, 393, 80, 26));
    EXPECT_EQ(t.lblBankComputer->geometry(), QRect(460, 25, 80, 26));
    EXPECT_EQ(w.ui.Frame1->geometry(), QRect(440, 100, 230, 200));
    EXPECT_EQ(t.picStatus.rect(), QRect(12, 470, 676, 22));
    EXPECT_EQ(w.ui.lblStatus->geometry(), t.picStatus.rect());
    EXPECT_TRUE(t.picPlayerHand.isVisible());
    EXPECT_TRUE(t.picComputerHand.isVisible());
    EXPECT_TRUE(t.picReject.isVisible());
    EXPECT_FALSE(w.ui.picPokerLabels->isVisible());
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(TableWindowLayout, VideoPokerPlacesAndPayColumn) {
    addPicture("vpwood.jpg", QSize(700, 500));
    FrmMain& w = loaded();
    const TableState& t = w.table;
    EXPECT_EQ(t.picDeal[0].pos(), QPoint(166, 50)); // 105 + 81 x 0.75
    const int lefts[5] = {29, 111, 192, 274, 356};  // 29 + i x 71 x 1.15
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t.picPoker[i].rect(), QRect(lefts[i], 223, 71, 96)) << i;
        EXPECT_EQ(t.Shape1[i]->geometry(), t.picPoker[i].rect()) << i;
        EXPECT_EQ(t.Shape3[i]->geometry().left(), lefts[i] + 69) << i;
    }
    EXPECT_EQ(w.ui.picPokerLabels->geometry(), QRect(518, 12, 170, 476));
    EXPECT_EQ(t.picStatus.rect(), QRect(12, 470, 498, 22));
    const int h = 476 / 23;
    EXPECT_EQ(t.pkLabel[20]->geometry(), QRect(0, 476 - h, 170, h));
    EXPECT_EQ(t.pkLabel[0]->geometry().top(), 476 - 21 * h);
    EXPECT_EQ(t.pkLabel[0]->text(), "Royal ");
    EXPECT_EQ(t.pkLabel[20]->text(), "All Trash");
    EXPECT_TRUE(w.ui.picPokerLabels->isVisible());
}

TEST_F(TableWindowLayout, NarrowPokerBackgroundWidensTheTableTo640) {
    addPicture("vpwood.jpg", QSize(500, 480));
    addPicture("vangogh.jpg", QSize(500, 480));
    FrmMain& w = loaded();
    EXPECT_EQ(w.ui.table->tableSize(), QSize(640, 480));
    w.mnuPlayRummy_Click();
    EXPECT_EQ(w.ui.table->tableSize(), QSize(500, 480));
}

TEST_F(TableWindowLayout, BackgroundMenuHidesPokerPicturesInGinRummyAndFollowsTheClick) {
    addPicture("vangogh.jpg", QSize(700, 500));
    addPicture("beach.gif", QSize(600, 450));
    addPicture("vpwood.jpg", QSize(700, 500));
    FrmMain& w = loadedRummy();
    const auto item = [&](const QString& caption) -> QAction* {
        for (QAction* a : w.menus.mnuBackgoundSelected) {
            if (a->text() == caption) {
                return a;
            }
        }
        return nullptr;
    };
    ASSERT_NE(item("vpwood.jpg"), nullptr);
    EXPECT_FALSE(item("vpwood.jpg")->isVisible());
    EXPECT_TRUE(item("vangogh.jpg")->isChecked());
    item("beach.gif")->trigger();
    EXPECT_EQ(w.settings.prfQNBackground, "beach.gif");
    EXPECT_TRUE(item("beach.gif")->isChecked());
    EXPECT_FALSE(item("vangogh.jpg")->isChecked());
    EXPECT_EQ(w.ui.table->tableSize(), QSize(600, 450));
    EXPECT_EQ(w.table.picReject.pos(), QPoint(90, 164)); // 600 x 0.15, 225 - 49 - 12
}

TEST_F(TableWindowLayout, MissingBackgroundKeepsThePresentPicture) {
    addPicture("vangogh.jpg", QSize(700, 500));
    FrmMain& w = loadedRummy();
    w.LoadBackGroundPic("nothing-here.jpg");
    EXPECT_EQ(w.ui.table->tableSize(), QSize(700, 500));
    EXPECT_TRUE(platform.messages.isEmpty());
}

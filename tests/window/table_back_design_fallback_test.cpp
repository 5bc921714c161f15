// A stored back design the card library does not have (outside 53..65): the table paints
// that game's own default design instead, and the stored number is written back as read.
#include "support/poker_window_fixture.h"
#include "support/rummy_window_fixture.h"
#include "table/card_back_painter.h"
#include "table/hand_painting.h"
#include "table/pile_drawing_rules.h"
#include "table/pile_painting.h"
#include "window/table_pixels.h"

using namespace quillan;

namespace {

class BackDesignFallback : public test::RummyWindowTest {
  protected:
    // The full deal pile as design `design` paints it over the pile's clean background.
    static QImage pileOf(FrmMain& w, int32 design) {
        QPixmap pile = w.table.picDealBack.picture().copy();
        paintDealPileStage(pile, 0,
                           CardBackPainter(w.cardLibrary(), design, nullptr,
                                           QSize(w.cards.cWidth, w.cards.cHeight)));
        return test::pixelsOf(pile);
    }
    static QImage backOf(FrmMain& w, int32 design) {
        QPixmap card = makeSurfacePixmap(QSize(w.cards.cWidth, w.cards.cHeight), 1.0, Qt::white);
        QPainter painter(&card);
        w.cardLibrary().cdtDraw(painter, 0, 0, design, CardLibrary::kModeBack);
        return test::pixelsOf(card);
    }
};

using PokerBackFallback = test::PokerWindowTest;

} // namespace

TEST_F(BackDesignFallback, GinRummyDrawsDesign54ForAnUnknownStoredDesign) {
    platform.settings["prfQNBackFace"] = "70";
    FrmMain& w = game();
    ASSERT_EQ(w.settings.prfQNBackFace, 70);
    EXPECT_EQ(test::pixelsOf(w.table.picDeal[0].picture()), pileOf(w, 54));
    // The computer's hand shows ten backs of design 54.
    const QImage hand = test::pixelsOf(w.table.picComputerHand.picture());
    const QImage back54 = backOf(w, 54);
    for (const int32 x : computerHandXs(w.cards.cardSpacing)) {
        EXPECT_EQ(hand.pixel(x + 5, 50), back54.pixel(5, 50)) << x;
    }
    w.Form_Unload();
    EXPECT_EQ(platform.settings["prfQNBackFace"], "70");
}

TEST_F(BackDesignFallback, EveryOutOfRangeValueFallsBackAndKnownDesignsStay) {
    for (const char* stored : {"-43", "20", "52", "66", "-1"}) {
        SCOPED_TRACE(stored);
        test::FakePlatform fresh(folder.path());
        fresh.settings = platform.settings;
        fresh.settings["prfQNBackFace"] = stored;
        fresh.settings["isPoker"] = "False";
        addPicture("vangogh.jpg", QSize(800, 600));
        fresh.settings["prfAnimation"] = "False";
        FrmMain w(fresh);
        w.Form_Load();
        EXPECT_EQ(test::pixelsOf(w.table.picDeal[0].picture()), pileOf(w, 54));
    }
    platform.settings["prfQNBackFace"] = "60";
    FrmMain& w = game();
    EXPECT_EQ(test::pixelsOf(w.table.picDeal[0].picture()), pileOf(w, 60));
}

TEST_F(BackDesignFallback, ACardInFlightShowsTheDefaultBack) {
    platform.settings["prfQNBackFace"] = "-43";
    FrmMain& w = game();
    w.settings.prfAnimation = kTrue;
    w.settings.prfAnimationDelay = 100; // one millisecond a frame: the pacer sleeps each one
    QPixmap lastFrame;
    platform.onSleep = [&](int) { lastFrame = w.ui.table->composed(); };
    int32 x = 300, y = 200;
    w.AnimateCard(x, y, 340, 200, 1, w.settings.prfQNBackFace, CardLibrary::kModeBack, kNoSkip,
                  false);
    platform.onSleep = nullptr;
    ASSERT_FALSE(lastFrame.isNull());
    // Inside the card's edge the last frame shows exactly a design-54 back.
    const QRect inside(8, 8, w.cards.cWidth - 16, w.cards.cHeight - 16);
    const QImage shown = test::pixelsOf(lastFrame.copy(inside.translated(340, 200)));
    EXPECT_EQ(shown, backOf(w, 54).copy(inside));
}

TEST_F(PokerBackFallback, VideoPokerDrawsDesign65ForAnUnknownStoredDesign) {
    platform.settings["prfPKBackFace"] = "20";
    FrmMain& w = poker(false);
    ASSERT_EQ(w.settings.prfPKBackFace, 20);
    QPixmap pile = w.table.picDealBack.picture().copy();
    paintDealPileStage(
        pile, 0,
        CardBackPainter(w.cardLibrary(), 65, nullptr, QSize(w.cards.cWidth, w.cards.cHeight)));
    EXPECT_EQ(test::pixelsOf(w.table.picDeal[0].picture()), test::pixelsOf(pile));
    w.Form_Unload();
    EXPECT_EQ(platform.settings["prfPKBackFace"], "20");
}

// AnimateCard, the deal and the deal pile on the real window.
#include <QLabel>

#include "support/table_window_fixture.h"
#include "table/hand_painting.h"
#include "table/pile_drawing_rules.h"

using namespace quillan;
using quillan::test::TableWindowTest;

namespace {

class TableWindowAnimation : public TableWindowTest {
  protected:
    FrmMain& table() {
        addPicture("vangogh.jpg", QSize(700, 500));
        FrmMain& w = loadedRummy();
        QPainter painter(&w.table.picAnimate.picture());
        painter.fillRect(0, 0, 71, 96, QColor(200, 10, 10)); // what lands
        return w;
    }
    bool landedAt(FrmMain& w, int x, int y) {
        return pixel(w.ui.table->windowImage(), x + 35, y + 48) == qRgb(200, 10, 10);
    }
};

} // namespace

TEST_F(TableWindowAnimation, EqualPointsOnlyLand) {
    FrmMain& w = table();
    int32 x = 400, y = 60;
    w.AnimateCard(x, y, 400, 60, 1, 54, 1, kNoSkip, false);
    EXPECT_EQ(QPoint(x, y), QPoint(400, 60));
    EXPECT_TRUE(landedAt(w, 400, 60));
    EXPECT_FALSE(w.ui.table->hasFrame());
}

TEST_F(TableWindowAnimation, HorizontalAndDiagonalMovesEndOnTheDestination) {
    FrmMain& w = table();
    int32 x = 380, y = 40;
    w.AnimateCard(x, y, 560, 40, 1, 54, 1, kNoSkip, false);
    EXPECT_EQ(QPoint(x, y), QPoint(560, 40));
    x = 380, y = 40;
    w.AnimateCard(x, y, 480, 140, 1, 54, 1, kNoSkip, true);
    EXPECT_EQ(QPoint(x, y), QPoint(480, 140));
    EXPECT_TRUE(landedAt(w, 480, 140));
    EXPECT_TRUE(w.table.picPlayerHand.isVisible()); // hands come back after the move
    EXPECT_TRUE(w.table.picComputerHand.isVisible());
    EXPECT_TRUE(w.table.picDeal[0].isVisible());
}

TEST_F(TableWindowAnimation, AnimationOffStillLands) {
    FrmMain& w = table();
    w.settings.prfAnimation = kFalse;
    const qint64 before = platform.clockMs;
    int32 x = 380, y = 40;
    w.AnimateCard(x, y, 560, 300, 1, 54, 1, kNoSkip, false);
    EXPECT_EQ(QPoint(x, y), QPoint(380, 40)); // no frame moved it
    EXPECT_TRUE(landedAt(w, 560, 300));
    EXPECT_EQ(platform.clockMs, before); // no pacing either
}

TEST_F(TableWindowAnimation, ADiscardSlidesOutUnderTheCardsToItsRight) {
    FrmMain& w = table();
    const QRect hand = w.table.picPlayerHand.rect();
    int32 x = hand.x() + w.cards.handplayer[2].x, y = hand.y();
    w.AnimateCard(x, y, w.table.picReject.pos().x(), w.table.picReject.pos().y(), 2, 5, 0, 2,
                  false);
    const int32 from = w.cards.handplayer[3].x;
    EXPECT_TRUE(w.table.picplayerBack2.isVisible());
    EXPECT_EQ(w.table.picplayerBack2.rect(),
              QRect(hand.x() + from, hand.y() + 19, hand.width() - from, 96));
}

TEST_F(TableWindowAnimation, DealGivesTenBacksEachAndTheUpcardSetsTheOklahomaLimit) {
    addFile("wavs/deal.wav");
    addFile("wavs/beach.wav");
    addPicture("beach.gif", QSize(700, 500));
    platform.settings["prfQNBackground"] = "beach.gif";
    platform.settings["prfOpOklahoma"] = "True";
    platform.settings["prfOpStandard"] = "False";
    FrmMain& w = loadedRummy();
    EXPECT_EQ(platform.sounds.count(platform.sounds.first()), 10); // once per pair
    EXPECT_TRUE(platform.sounds.last().endsWith("wavs/beach.wav"));
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 1);
    EXPECT_EQ(w.rummy.MAXDEADWOOD, std::min<int16>(w.cards.rejectPile[1].rank, 10));
    const QPixmap& computer = w.table.picComputerHand.picture();
    const QPixmap& clean = w.table.picComputerBack.picture();
    for (const int32 x : computerHandXs(16)) {
        EXPECT_NE(pixel(computer, x + 5, 50), pixel(clean, x + 5, 50)) << x;
    }
    EXPECT_NE(pixel(w.table.picReject.picture(), 30, 50),
              pixel(w.table.picRejectBack.picture(), 30, 50));
}

TEST_F(TableWindowAnimation, SoundOffDealsInSilence) {
    addFile("wavs/deal.wav");
    platform.settings["prfSound"] = "False";
    loadedRummy();
    EXPECT_TRUE(platform.sounds.isEmpty());
}

TEST_F(TableWindowAnimation, DealPileStagesAndAnimatedBack) {
    FrmMain& w = table();
    const QPixmap& clean = w.table.picDealBack.picture();
    // Bottom-right of the fourth back: only the full pile reaches it.
    EXPECT_NE(pixel(w.table.picDeal[0].picture(), 75, 97), pixel(clean, 75, 97));
    EXPECT_EQ(pixel(w.table.picDeal[3].picture(), 75, 97), pixel(clean, 75, 97));
    std::vector<int> waits;
    platform.onDelay = [&](int ms) { waits.push_back(ms); };
    w.settings.prfPKBackFace = 64;
    w.cardGraphics();
    EXPECT_EQ(waits, std::vector<int>(4, 250));
}

TEST_F(TableWindowAnimation, RefreshHandRaisesTheSkippedCardAndWaitsForTheDeal) {
    FrmMain& w = table();
    const QPixmap& hand = w.table.picPlayerHand.picture();
    const QPixmap& clean = w.table.picPlayerBack.picture();
    const int32 x3 = w.cards.handplayer[3].x;
    w.turn.playerHoldsDraw = kTrue;
    w.refreshHand(3, false, false);
    EXPECT_EQ(w.table.raisedSlot, 3);
    EXPECT_NE(pixel(hand, x3 + 30, 5), pixel(clean, x3 + 30, 5));
    EXPECT_EQ(pixel(hand, w.cards.handplayer[2].x + 2, 5), pixel(clean, 2, 5));
    w.turn.playerHoldsDraw = kFalse;
    w.turn.dealInProgress = kTrue;
    w.refreshHand(kNoSkip, false, false);
    EXPECT_NE(pixel(hand, x3 + 30, 5), pixel(clean, x3 + 30, 5)); // unchanged
}

TEST_F(TableWindowAnimation, CalibrationRanAtLoadAndSetTheSlider) {
    FrmMain& w = table();
    EXPECT_EQ(w.table.needAnimCalibration, kFalse);
    ASSERT_GE(w.settings.prfAnimationDelay, 0);
    ASSERT_LE(w.settings.prfAnimationDelay, 500);
    EXPECT_EQ(w.settings.prfScrollVal, 1000 - w.settings.prfAnimationDelay);
}

// The window closed while the measurement lets events run: what is stored makes the next
// start measure again.
TEST_F(TableWindowAnimation, ClosingDuringTheCalibrationStoresNothingThatSkipsTheNext) {
    FrmMain& w = table();
    w.settings.prfAnimationDelay = -1;
    w.settings.prfScrollVal = 0;
    w.table.needAnimCalibration = kTrue;
    platform.onEvents = [&] {
        if (!w.isUnloaded()) {
            w.close();
        }
    };
    w.InitAnimDelay();
    platform.onEvents = nullptr;
    ASSERT_TRUE(w.isUnloaded());
    EXPECT_LT(platform.settings["prfAnimationDelay"].toInt(), 0);
    EXPECT_EQ(platform.settings["prfScrollVal"], "0");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(TableWindowAnimation, BanksAreCreditedAndOverflowLeavesThemAlone) {
    FrmMain& w = table();
    w.banks.handScore = 25;
    w.UpdateBank();
    EXPECT_EQ(w.banks.prfPlayerBank, 25);
    EXPECT_EQ(w.banks.handScore, 0);
    const QPoint at = w.table.lblBankPlayer->pos();
    int inked = 0;
    for (int dx = 0; dx < 30; ++dx) {
        for (int dy = 0; dy < 24; ++dy) {
            inked += pixel(w.ui.table->windowImage(), at.x() + dx, at.y() + dy) == qRgb(0, 0, 0);
        }
    }
    EXPECT_GT(inked, 10); // a black outline was drawn
    w.banks.prfPlayerBank = 32767;
    w.banks.handScore = 1;
    w.UpdateBank();
    EXPECT_EQ(w.banks.prfPlayerBank, 32767);
    EXPECT_EQ(platform.messages.value(0), "Error  in  UpdateBank (  Overflow  )");
    w.settings.prfShowHide = kFalse; // an open hand keeps both banks at zero
    w.banks.handScore = 7;
    w.UpdateBank();
    EXPECT_EQ(w.banks.prfPlayerBank, 7);
    EXPECT_EQ(w.banks.prfComputerBank, 0);
}

TEST_F(TableWindowAnimation, VideoPokerDealsFiveBacksInAlternatingOrder) {
    addFile("wavs/deal.wav");
    addPicture("vpwood.jpg", QSize(700, 500));
    FrmMain& w = loaded();
    EXPECT_EQ(platform.sounds.size(), 5);
    for (const Surface& card : w.table.picPoker) {
        EXPECT_TRUE(card.isVisible());
    }
    EXPECT_EQ(w.poker.pokerBusy, kFalse);
    EXPECT_EQ(w.poker.dealRightToLeft, kTrue); // the next deal runs the other way
}

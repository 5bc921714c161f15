// Video Poker on the real window: the bet and the deal, holding, the draw, the payout
// counted into the meter, the automatic deal, and clicks that arrive while a hand is busy.
#include <QFrame>
#include <QPainter>

#include "platform/card_library.h"
#include "support/poker_window_fixture.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::PokerWindowTest;

namespace {

const std::vector<int> kJacksAndFours = {card(11, 3), card(11, 2), card(4, 1), card(7, 0),
                                         card(9, 3),  card(5, 0),  card(6, 1), card(4, 0),
                                         card(4, 2),  card(9, 1)}; // draws 4, 4, 9: two pair

const std::vector<int> kFullHouse = {card(7, 0), card(7, 1), card(7, 2), card(13, 0), card(13, 1)};

bool showsFace(FrmMain& w, int i, int value) {
    const Surface& s = w.table.picPoker[size_t(i)];
    Surface probe;
    probe.create(s.size(), s.devicePixelRatio());
    probe.move(s.pos());
    probe.copyUnderlying(w.ui.table->windowImage());
    const QPixmap& face = probe.picture();
    {
        QPainter painter(&probe.picture());
        w.cardLibrary().cdtDraw(painter, 0, 0, value, CardLibrary::kModeFace);
    }
    const auto rgb = [](const QPixmap& p) {
        return p.toImage().convertToFormat(QImage::Format_RGB32);
    };
    return s.isVisible() && rgb(s.picture()) == rgb(face);
}

bool outlined(FrmMain& w, int i) {
    return !w.table.Shape1[size_t(i)]->isHidden() && !w.table.Shape2[size_t(i)]->isHidden() &&
           !w.table.Shape3[size_t(i)]->isHidden();
}

} // namespace

using PokerPlay = PokerWindowTest;

TEST_F(PokerPlay, TheFirstDealTakesFiveFromAnEmptyMeterAndShowsFiveFaces) {
    FrmMain& w = poker(true);
    EXPECT_EQ(meter(w), "-5");
    EXPECT_EQ(w.ui.lblStatus->text(), "Click the cards to hold");
    deal(w, kJacksAndFours);
    EXPECT_EQ(meter(w), "-10");
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
    EXPECT_EQ(w.poker.pokerBusy, kFalse);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(showsFace(w, i, kJacksAndFours[size_t(i)])) << i;
        EXPECT_EQ(w.poker.pokerHand[i].cardvalue, kJacksAndFours[size_t(i)]);
    }
    EXPECT_EQ(w.poker.pokerType, 11); // a high pair: the jacks
    EXPECT_EQ(soundNames().count("deal.wav"), 5);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(PokerPlay, LeftClicksAndDoubleClicksToggleTheHoldARightClickDraws) {
    FrmMain& w = poker(true);
    deal(w, kJacksAndFours);
    clickCard(w, 2);
    EXPECT_TRUE(outlined(w, 2));
    EXPECT_EQ(w.poker.pokerHeld[2], kTrue);
    press(w, centreOf(w.table.picPoker[2]), Qt::LeftButton, QEvent::MouseButtonDblClick);
    EXPECT_FALSE(w.table.Shape1[2]->isVisible());
    EXPECT_EQ(w.poker.pokerHeld[2], kFalse);
    clickCard(w, 0);
    clickCard(w, 0);
    EXPECT_EQ(w.poker.pokerHeld[0], kFalse);
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue); // still waiting for the draw
    clickCard(w, 3, Qt::RightButton);           // a right click draws
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_EQ(w.poker.pokerHand[0].cardvalue, kJacksAndFours[5]); // nothing was held
}

TEST_F(PokerPlay, TheDrawReplacesOnlyUnheldCardsFromTheirOwnDeckPositionsAndPays) {
    FrmMain& w = poker(true);
    deal(w, kJacksAndFours);
    hold(w, {0, 1});
    platform.sounds.clear();
    std::vector<std::pair<int, QString>> waits;
    platform.onDelay = [&](int ms) { waits.emplace_back(ms, meter(w)); };
    clickDeck(w);
    platform.onDelay = nullptr;
    for (int i = 0; i < 5; ++i) {
        const int expected = i < 2 ? kJacksAndFours[size_t(i)] : kJacksAndFours[size_t(i + 5)];
        EXPECT_EQ(w.poker.pokerHand[i].cardvalue, expected) << i;
        EXPECT_TRUE(showsFace(w, i, expected)) << i; // the finished hand reads plainly
        EXPECT_FALSE(outlined(w, i));
    }
    EXPECT_EQ(w.poker.pokerType, 10);
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_EQ(meter(w), "0");
    // One step of 10 with its 500 ms wait, after the 200 ms pause before paying.
    const std::vector<std::pair<int, QString>> tail(waits.end() - 2, waits.end());
    EXPECT_EQ(tail, (std::vector<std::pair<int, QString>>{{200, "-10"}, {500, "0"}}));
    EXPECT_EQ(soundNames(), (QStringList{"deal.wav", "deal.wav", "deal.wav", "pokerwin1.wav"}));
    EXPECT_EQ(labelBack(w, 9), QColor(0x00, 0xC0, 0x00));
    EXPECT_EQ(labelText(w, 9), QColor(Qt::black));
    EXPECT_EQ(w.ui.pkLabelHands->text(), "0"); // show mode never counts a run
}

TEST_F(PokerPlay, AFullHouseHeldWholeCountsUpByTwentyFiveThenTwenty) {
    FrmMain& w = poker(true);
    deal(w, kFullHouse);
    hold(w, {0, 1, 2, 3, 4});
    platform.sounds.clear();
    QStringList steps;
    platform.onDelay = [&](int ms) {
        if (ms == 500) {
            steps << meter(w);
        }
    };
    clickDeck(w);
    EXPECT_EQ(steps, (QStringList{"15", "35"}));
    EXPECT_EQ(soundNames(), (QStringList{"pokerwin3.wav", "pokerwin3.wav"}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w.poker.pokerHand[i].cardvalue, kFullHouse[size_t(i)]);
    }
}

TEST_F(PokerPlay, AutoDealDealsAgainAfterOneAndAHalfSeconds) {
    platform.settings["prfPokerAutoDeal"] = "True";
    FrmMain& w = poker(true);
    deal(w, kJacksAndFours);
    hold(w, {0, 1});
    QList<int> waits;
    platform.onDelay = [&](int ms) { waits << ms; };
    clickDeck(w);
    ASSERT_TRUE(waits.contains(1500));
    EXPECT_EQ(waits.mid(waits.indexOf(1500) + 1, 2), (QList<int>{600, 650}));
    EXPECT_EQ(meter(w), "-5"); // paid 10, then the next bet
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
    EXPECT_EQ(w.poker.pokerBusy, kFalse);
    EXPECT_EQ(labelBack(w, 9), labelBack(w, 7)); // the pay label is back at rest
}

TEST_F(PokerPlay, ClicksAndPlayVideoPokerWhileADealOrAPayoutIsBusyDoNothing) {
    FrmMain& w = poker(true);
    int clicks = 0;
    platform.onDelay = [&](int ms) {
        if (ms == 650 || ms == 500) { // faces about to turn up; counting up
            ++clicks;
            clickDeck(w);
            clickCard(w, 1);
            clickCard(w, 2, Qt::RightButton);
            w.menus.mnuPoker->trigger(); // nor may the table be restarted
        }
    };
    deal(w, kJacksAndFours);
    EXPECT_EQ(meter(w), "-10");
    hold(w, {0, 1});
    clickDeck(w);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(meter(w), "0");
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_EQ(w.poker.pokerHand[2].cardvalue, kJacksAndFours[7]);
    EXPECT_EQ(w.poker.pokerHeld[0], kTrue); // the table was not restarted
    EXPECT_EQ(soundNames().count("deal.wav"), 5 + 3);
}

TEST_F(PokerPlay, MeterOverflowIsReportedAndNeitherLosesTheMeterNorLocksTheTable) {
    FrmMain& w = poker(true);
    w.ui.pklblWinnings->setText("-32765");
    clickDeck(w);
    EXPECT_EQ(platform.messages.value(0), "Error  in  showPokerHand (  Overflow  )");
    EXPECT_EQ(meter(w), "-32765");
    EXPECT_EQ(w.poker.pokerBusy, kFalse);

    w.ui.pklblWinnings->setText("32765");
    deal(w, kJacksAndFours);
    EXPECT_EQ(meter(w), "32760");
    hold(w, {0, 1});
    clickDeck(w);
    EXPECT_EQ(platform.messages.value(1), "Error  in  showPokerHand (  Overflow  )");
    EXPECT_EQ(meter(w), "32760");
    EXPECT_EQ(w.poker.pokerBusy, kFalse);
    w.ui.pklblWinnings->setText("0");
    clickDeck(w); // the table still deals
    EXPECT_EQ(meter(w), "-5");
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
}

// The best-play advisor on the real window: the right play lit at the deal in show mode; in
// checking mode a wrong hold refused, the run ended and offered, a right hold counted; the
// countdown ending runs.
#include <QFile>
#include <QTimer>

#include "scores/score_table_rules.h"
#include "support/poker_window_fixture.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::PokerWindowTest;

namespace {

// J♠ J♥ 4♦ 7♣ 9♠: the right play keeps the two jacks (High Pair, label 10).
const std::vector<int> kJacks = {card(11, 3), card(11, 2), card(4, 1), card(7, 0), card(9, 3)};
const QColor kLightRed(0xFF, 0xC0, 0xC0);
const QColor kRed(0xFF, 0x00, 0x00);
const QString kStrategyTop = "You have the top Video Poker strategy score. Please enter your name";

} // namespace

class PokerAdvisor : public PokerWindowTest {
  protected:
    void SetUp() override { scoreTable = defaultScoreTable(); }
};

TEST_F(PokerAdvisor, ShowModeLightsTheRightPlayAtTheDealAndNeverRefuses) {
    FrmMain& w = poker(true);
    deal(w, kJacks);
    EXPECT_EQ(labelBack(w, 10), kLightRed);
    EXPECT_EQ(labelText(w, 10), QColor(Qt::black));
    EXPECT_NE(labelBack(w, 9), kLightRed);
    hold(w, {4}); // a poor hold still draws
    clickDeck(w);
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_FALSE(soundNames().contains("wrong2.wav"));
}

TEST_F(PokerAdvisor, AWrongHoldIsRefusedEndsTheRunAndOffersIt) {
    FrmMain& w = poker(false);
    EXPECT_TRUE(w.ui.Timer1->isActive());
    deal(w, kJacks);
    EXPECT_NE(labelBack(w, 10), kLightRed); // checking mode shows nothing at the deal
    w.ui.pkLabelHands->setText("25");
    hold(w, {0, 1, 4});
    platform.inputAnswers.push_back("Ann");
    clickDeck(w);
    EXPECT_EQ(platform.prompts, QStringList{kStrategyTop});
    EXPECT_EQ(soundNames().last(), "wrong.wav");
    EXPECT_EQ(labelBack(w, 10), kRed);
    EXPECT_EQ(labelText(w, 10), QColor(Qt::black));
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
    EXPECT_EQ(w.poker.pokerBusy, kFalse);
    EXPECT_EQ(w.poker.pokerHeld, PokerHeld{});
    EXPECT_EQ(w.poker.pokerHand[4].cardvalue, kJacks[4]); // nothing was drawn
    EXPECT_EQ(meter(w), "-10");
    EXPECT_EQ(w.ui.pkLabelHands->text(), "0");
    EXPECT_EQ(w.settings.prfvidPokPerfPlay, 0);
    EXPECT_EQ(scoreTable[3].score, 25);
    EXPECT_EQ(scoreTable[3].name.substr(0, 4), "Ann ");
    EXPECT_EQ(scoreTable[4].score, 20);
    EXPECT_EQ(QFile(folder.path() + "/stats.dat").size(), 220);

    hold(w, {0, 1}); // the corrected hold draws and starts the new run at 1
    clickDeck(w);
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_EQ(w.ui.pkLabelHands->text(), "1");
    EXPECT_EQ(platform.prompts.size(), 1);
}

TEST_F(PokerAdvisor, ARefusedSingleCardPlaysItsOwnSoundAndAShortRunIsNotOffered) {
    FrmMain& w = poker(false);
    deal(w, kJacks);
    w.ui.pkLabelHands->setText("7");
    hold(w, {3});
    clickDeck(w);
    EXPECT_EQ(soundNames().last(), "wrong2.wav");
    EXPECT_TRUE(platform.prompts.isEmpty()); // 7 beats no strategy score of 20
    EXPECT_EQ(w.ui.pkLabelHands->text(), "0");
    EXPECT_TRUE(QFile::exists(folder.path() + "/stats.dat")); // the update still rewrites it
}

// "Hands" keeps the finished run while its name is asked for, and reads 0 afterwards.
TEST_F(PokerAdvisor, HandsIsResetOnlyAfterTheFinishedRunWasOffered) {
    FrmMain& w = poker(false);
    QStringList handsAtPrompt;
    platform.onInput = [&](const QString&) { handsAtPrompt << w.ui.pkLabelHands->text(); };
    deal(w, kJacks);
    w.ui.pkLabelHands->setText("25");
    hold(w, {4}); // wrong
    clickDeck(w);
    EXPECT_EQ(w.ui.pkLabelHands->text(), "0");
    w.ui.pkLabelTimer->setText("1");
    w.ui.pkLabelHands->setText("30");
    w.Timer1_Timer(); // the countdown ends the run
    EXPECT_EQ(w.ui.pkLabelHands->text(), "0");
    EXPECT_EQ(handsAtPrompt, (QStringList{"25", "30"}));
}

TEST_F(PokerAdvisor, TheCountdownHintsAtNinetyEightAndEndsTheRunAtZero) {
    FrmMain& w = poker(false);
    EXPECT_EQ(w.ui.pkLabelTimer->text(), "100");
    w.Timer1_Timer();
    w.Timer1_Timer();
    EXPECT_EQ(w.ui.pkLabelTimer->text(), "98");
    EXPECT_EQ(w.ui.lblStatus->text(), "Click the Deck to deal");

    w.ui.pkLabelTimer->setText("1");
    w.ui.pkLabelHands->setText("30");
    platform.inputAnswers.push_back(""); // cancelled: the table stays as it was
    w.Timer1_Timer();
    EXPECT_EQ(platform.prompts, QStringList{kStrategyTop});
    EXPECT_EQ(w.ui.pkLabelTimer->text(), "100");
    EXPECT_EQ(w.ui.pkLabelHands->text(), "0");
    EXPECT_EQ(w.settings.prfvidPokPerfPlay, 0);
    EXPECT_EQ(scoreTable, defaultScoreTable());

    w.menus.mnuPlayRummy->trigger(); // Gin Rummy stops the countdown
    EXPECT_FALSE(w.ui.Timer1->isActive());
}

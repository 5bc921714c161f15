// The record of play kept by the real window: scripted Gin Rummy hands (a knock, a gin, an
// undercut, a tie) and Video Poker hands (a refused hold, a paid hand, a hand that pays
// nothing) each counted once, written to the statistics file, and shown in the Statistics
// window opened from the Preferences menu; Reset asks first and keeps a copy.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "stats/frm_statistics.h"
#include "stats/statistics_file_rules.h"
#include "stats/statistics_recorder.h"
#include "support/data_home.h"
#include "support/poker_window_fixture.h"
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::DataHome;

namespace {

StatisticsRecord onDisk() {
    QFile file(DataHome::statisticsFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const StatisticsParse p = parseStatistics(file.readAll().toStdString());
    EXPECT_TRUE(p.record.has_value()) << p.problem;
    return p.record.value_or(StatisticsRecord{});
}

// The Statistics window as the player opens it: the item after "Show Scores".
FrmStatistics* openStatistics(FrmMain& w) {
    const QList<QAction*> items = w.menus.mnuPreferences->actions();
    const auto scores = items.indexOf(w.menus.mnuWager);
    EXPECT_GE(scores, 0);
    QAction* item = items.value(scores + 1);
    EXPECT_EQ(item->text(), "Statistics");
    item->trigger();
    return w.findChild<FrmStatistics*>("frmStatistics");
}

QString cell(const QWidget* window, const char* table, int row, int column) {
    const auto* t = window->findChild<QTableWidget*>(table);
    return t && t->item(row, column) ? t->item(row, column)->text() : QString();
}

class RummyStatistics : public quillan::test::RummyWindowTest {
  protected:
    // A hand in which the player holds three melds and takes 2D: a knock for deadwood 2.
    void knockable(FrmMain& w) {
        setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D 9H 3D");
        setRejectTop(w, "2D");
        analyseBoth(w);
        clickAt(w, centreOf(w.table.picReject));
    }
    void setComputerUnmatched(FrmMain& w, const std::string& text) {
        const auto list = quillan::test::cards(text);
        w.rummy.computerUnmatched.resizeKeep(static_cast<long>(list.size()) - 1);
        for (size_t i = 0; i < list.size(); ++i) {
            w.rummy.computerUnmatched[static_cast<long>(i)] = list[i];
        }
    }
    static void useVariant(FrmMain& w, bool simple) {
        w.settings.prfOpQN = simple ? kTrue : kFalse;
        w.settings.prfOpStandard = simple ? kFalse : kTrue;
    }
    static const RummyRecord& standard(FrmMain& w) {
        return w.statistics->record().of(RummyVariant::Standard);
    }

    DataHome dataHome;
};

class PokerStatistics : public quillan::test::PokerWindowTest {
  protected:
    DataHome dataHome;
};

} // namespace

TEST_F(RummyStatistics, EachHandCountsOnceUnderItsVariantAndIsWritten) {
    FrmMain& w = game();
    knockable(w);
    setComputerUnmatched(w, "7H 8H 5S KS"); // 15 after lay-offs: the knock wins 13
    w.menus.mnuKnock->trigger();
    EXPECT_EQ(standard(w).byResult(RummyResult::WonByKnock), 1);
    EXPECT_EQ(standard(w).pointsWon, 13);
    EXPECT_EQ(onDisk(), w.statistics->record());
    w.PlayerKnock(); // refused: the hand is over and is not counted again
    EXPECT_EQ(standard(w).played(), 1);

    useVariant(w, true);
    w.cmdPlayAgain_Click(); // the computer opens; Simple lets it end the hand only by gin
    ASSERT_EQ(w.statistics->record().of(RummyVariant::Simple).played(), 0);
    setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D 9H KD");
    setRejectTop(w, "9C");
    analyseBoth(w);
    clickAt(w, centreOf(w.table.picReject));
    const RummyRecord& simple = w.statistics->record().of(RummyVariant::Simple);
    EXPECT_EQ(simple.byResult(RummyResult::WonByGin), 1);
    EXPECT_EQ(simple.longestStreak, 1);

    useVariant(w, false);
    w.cmdPlayAgain_Click(); // the player opens
    knockable(w);
    setComputerUnmatched(w, "AS AD");
    w.Form_DblClick();
    EXPECT_EQ(standard(w).byResult(RummyResult::LostByUndercut), 1);
    EXPECT_EQ(standard(w).pointsLost, 25);
    EXPECT_EQ(standard(w).currentStreak, 0);
    EXPECT_EQ(standard(w).longestStreak, 1);

    w.cmdPlayAgain_Click();
    w.cards.stock.resizeKeep(2); // the player's draw leaves two cards: a tie
    const Count tiesBefore = standard(w).ties();
    platform.yesNoAnswers = {false, false};
    clickAt(w, centreOf(w.table.picDeal[0]));
    w.picReject_Click(); // asked again, counted once
    EXPECT_EQ(platform.questions.size(), 2);
    EXPECT_EQ(standard(w).ties(), tiesBefore + 1);

    const StatisticsRecord& r = w.statistics->record();
    const Count hands = r.of(RummyVariant::Standard).played() + r.of(RummyVariant::Simple).played();
    EXPECT_EQ(hands, 4);
    EXPECT_EQ(onDisk(), r);
    const std::vector<BankPoint>& banks = w.statistics->history().rummyBanks;
    ASSERT_EQ(static_cast<Count>(banks.size()), hands);
    EXPECT_EQ(banks.front().player, 13);
    EXPECT_EQ(banks.front().computer, 0);
    EXPECT_EQ(banks.back().player, w.banks.prfPlayerBank + w.banks.handScore);
    EXPECT_EQ(banks.back().computer, w.banks.prfComputerBank);
}

TEST_F(RummyStatistics, TheComputersDrawFromAnEmptyingStockIsATieCountedOnce) {
    FrmMain& w = game();
    w.cards.stock.resizeKeep(1);
    w.turn.computerTurn = kTrue;
    w.ComputerDrawFromDeck();
    w.ComputerDrawFromDeck();
    w.turn.computerTurn = kFalse;
    EXPECT_EQ(platform.messages, (QStringList{"The game is a tie", "The game is a tie"}));
    EXPECT_EQ(standard(w).ties(), 1);
    EXPECT_EQ(standard(w).played(), 1);
    EXPECT_EQ(onDisk().of(RummyVariant::Standard).ties(), 1);
}

TEST_F(RummyStatistics, TheWindowShowsTheFiguresAndResetAsksFirst) {
    FrmMain& w = game();
    knockable(w);
    setComputerUnmatched(w, "7H 8H 5S KS");
    w.menus.mnuKnock->trigger();
    FrmStatistics* s = openStatistics(w);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(s->isModal());
    EXPECT_EQ(cell(s, "rummyFigures", 0, 0), "Hands played");
    EXPECT_EQ(cell(s, "rummyFigures", 0, 2), "1"); // Standard
    EXPECT_EQ(cell(s, "rummyFigures", 2, 2), "1"); // won by knock
    EXPECT_EQ(cell(s, "rummyFigures", 10, 2), "13");
    EXPECT_EQ(cell(s, "rummyFigures", 0, 1), "0"); // Simple

    auto* reset = s->findChild<QPushButton*>("cmdReset");
    ASSERT_NE(reset, nullptr);
    platform.yesNoAnswers = {false};
    reset->click();
    ASSERT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(standard(w).played(), 1);
    EXPECT_EQ(onDisk().of(RummyVariant::Standard).played(), 1);
    platform.yesNoAnswers = {true};
    reset->click();
    EXPECT_EQ(w.statistics->record(), StatisticsRecord{});
    EXPECT_EQ(onDisk(), StatisticsRecord{});
    EXPECT_TRUE(w.statistics->history().rummyBanks.empty());
    EXPECT_EQ(cell(s, "rummyFigures", 0, 2), "0");
    EXPECT_EQ(openStatistics(w), s); // one window, brought back
}

// Enter on the window closes it, even with the focus on Reset; the question Reset asks
// answers No to Enter, and a reset keeps the record it replaces beside the file.
TEST_F(RummyStatistics, EnterNeverResetsAndAResetKeepsTheOldRecord) {
    FrmMain& w = game();
    knockable(w);
    setComputerUnmatched(w, "7H 8H 5S KS");
    w.menus.mnuKnock->trigger();
    FrmStatistics* s = openStatistics(w);
    ASSERT_NE(s, nullptr);
    auto* reset = s->findChild<QPushButton*>("cmdReset");
    ASSERT_NE(reset, nullptr);
    reset->setFocus();
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(reset, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(reset, &release);
    }
    EXPECT_TRUE(platform.questions.isEmpty());
    EXPECT_FALSE(s->isVisible()); // Enter pressed Close
    EXPECT_EQ(onDisk().of(RummyVariant::Standard).played(), 1);

    QFile file(DataHome::statisticsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_EQ(openStatistics(w), s);
    platform.yesNoAnswers = {true};
    reset->click();
    EXPECT_EQ(platform.questionDefaults, std::vector<DefaultAnswer>{DefaultAnswer::No});
    EXPECT_EQ(onDisk(), StatisticsRecord{});
    const QDir folder = QFileInfo(file).dir();
    const QStringList kept = folder.entryList({"statistics.txt.before-reset-*"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    QFile copy(folder.filePath(kept[0]));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), before);
}

TEST_F(PokerStatistics, DrawnHandsRefusedHoldsAndTheRunAreCounted) {
    using quillan::test::card;
    FrmMain& w = poker(false);
    // J♠ J♥ 4♦ 7♣ 9♠; holding the jacks brings 2♣ 3♣ J♣ 5♦ 6♥ from places 7, 8 and 9.
    deal(w, {card(11, 3), card(11, 2), card(4, 1), card(7, 0), card(9, 3), card(2, 0), card(3, 0),
             card(11, 0), card(5, 1), card(6, 2)});
    hold(w, {0, 1, 4}); // wrong: refused with High Pair as the right play
    clickDeck(w);
    hold(w, {0, 1});
    clickDeck(w);
    ASSERT_EQ(w.poker.pokerType, kThreeOfAKind);
    // 2♣ 5♦ 8♥ 9♠ K♣: the king alone is right; 3♦ 7♠ 10♥ 4♣ come in and pay nothing.
    deal(w, {card(2, 0), card(5, 1), card(8, 2), card(9, 3), card(13, 0), card(3, 1), card(7, 3),
             card(10, 2), card(4, 0)});
    hold(w, {4});
    clickDeck(w);
    ASSERT_EQ(w.ui.pkLabelHands->text(), "2");

    const PokerRecord& p = w.statistics->record().poker;
    EXPECT_EQ(p.handsPlayed(), 2);
    EXPECT_EQ(p.creditsBet, 10);
    EXPECT_EQ(p.creditsWon, 15);
    EXPECT_EQ(p.finalHands[finalGroupOf(kThreeOfAKind)], 1);
    EXPECT_EQ(p.finalHands[kNoWinGroup], 1);
    EXPECT_EQ(p.refused[kHighPair - 1], 1);
    EXPECT_EQ(p.drawnOtherwise[kHighPair - 1], 0); // refused, never drawn held that way
    EXPECT_EQ(p.longestRun, 2);
    EXPECT_EQ(w.statistics->history().pokerMeter, (std::vector<int>{5, 0}));
    EXPECT_EQ(onDisk(), w.statistics->record());

    FrmStatistics* s = openStatistics(w);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(cell(s, "pokerSummary", 0, 1), "2");
    EXPECT_EQ(cell(s, "pokerSummary", 3, 1), "150.00%");
    EXPECT_EQ(cell(s, "pokerSummary", 4, 1), "99.54%");
    EXPECT_EQ(cell(s, "pokerSummary", 5, 1), "2");
    EXPECT_EQ(cell(s, "pokerFinals", 6, 0), "3 Of a Kind");
    EXPECT_EQ(cell(s, "pokerFinals", 6, 2), "50.00%");
    EXPECT_EQ(cell(s, "pokerFinals", 0, 3), "0.0025%");
    EXPECT_EQ(cell(s, "pokerRefused", kHighPair - 1, 0), "High Pair");
    EXPECT_EQ(cell(s, "pokerRefused", kHighPair - 1, 1), "1");
}

// Shown the ladder's play, the player may draw with another hold: such draws are counted by
// the ladder's rung (a refused hold is never drawn, so checking mode adds none).
TEST_F(PokerStatistics, DrawsHeldOtherwiseThanTheLadderAreCountedInShowMode) {
    using quillan::test::card;
    FrmMain& w = poker(true);
    const std::vector<int> jacks = {card(11, 3), card(11, 2), card(4, 1), card(7, 0), card(9, 3)};
    deal(w, jacks);
    hold(w, {0, 1, 4}); // the jacks and the nine: drawn, not refused
    clickDeck(w);
    deal(w, jacks);
    hold(w, {0, 1}); // the ladder's play
    clickDeck(w);
    const PokerRecord& p = w.statistics->record().poker;
    EXPECT_EQ(p.handsPlayed(), 2);
    EXPECT_EQ(p.drawnOtherwise[kHighPair - 1], 1);
    EXPECT_EQ(std::accumulate(p.drawnOtherwise.begin(), p.drawnOtherwise.end(), Count{0}), 1);
    EXPECT_EQ(p.refused[kHighPair - 1], 0);
    EXPECT_EQ(onDisk(), w.statistics->record());
    FrmStatistics* s = openStatistics(w);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(cell(s, "pokerRefused", kHighPair - 1, 2), "1");
    EXPECT_EQ(cell(s, "pokerRefused", kHighPair - 1, 1), "0");
}

TEST_F(PokerStatistics, AnUnreadableFileIsToldOnceAtLoadAndTheGameGoesOn) {
    QDir().mkpath(QFileInfo(DataHome::statisticsFile()).path());
    QFile file(DataHome::statisticsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x00\x01garbage", 9);
    file.close();
    FrmMain& w = poker(false);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith("The statistics file could not be read"));
    EXPECT_TRUE(w.ui.pklblWinnings->isVisible() || !w.isVisible());
    EXPECT_EQ(w.statistics->record(), StatisticsRecord{});
}

// The Hand Analysis window on the real table: off until opened from the Action menu; after a
// scripted deal it lists the 32 holds best first with the ladder's and the best play marked;
// after the draw it marks the player's hold and what a wrong one cost; the session line
// counts hands, matches and the return; the advisor's checking mode is untouched by it.
#include <QAction>
#include <QMenu>
#include <QTableWidget>

#include "poker/poker_analysis.h"
#include "support/poker_window_fixture.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::PokerWindowTest;

namespace {

// A♥ 2♠ J♥ Q♦ K♣: the ladder keeps the suited A♥ J♥, the best play the four high cards.
const std::vector<int> kInsideStraight = {card(1, 2), card(2, 3), card(11, 2), card(12, 1),
                                          card(13, 0)};
// J♠ J♥ 4♦ 7♣ 9♠: ladder and best play keep the jacks.
const std::vector<int> kJacks = {card(11, 3), card(11, 2), card(4, 1), card(7, 0), card(9, 3)};

} // namespace

class PokerAnalysisWindowTest : public PokerWindowTest {
  protected:
    PokerAnalysis& open(FrmMain& w) {
        w.pokerAnalysis->menuItem()->trigger();
        w.pokerAnalysis->waitUntilReady();
        return *w.pokerAnalysis;
    }
    static QTableWidget& rows(FrmMain& w) { return *w.pokerAnalysis->window()->holdTable(); }
    static QString text(FrmMain& w, int row, int column) {
        const QTableWidgetItem* item = rows(w).item(row, column);
        return item ? item->text() : QString();
    }
    static QString play(FrmMain& w, int row) {
        return text(w, row, PokerAnalysisWindow::kPlayColumn);
    }
    static QStringList heldCards(FrmMain& w, int row) {
        QStringList held;
        for (int c = 0; c < PokerAnalysisWindow::kCardColumns; ++c) {
            held << text(w, row, c);
        }
        return held;
    }
    static int rowMarked(FrmMain& w, const QString& mark) {
        for (int r = 0; r < rows(w).rowCount(); ++r) {
            if (play(w, r).contains(mark)) {
                return r;
            }
        }
        return -1;
    }
};

TEST_F(PokerAnalysisWindowTest, IsAnActionMenuItemOnKeyAAndOffUntilOpened) {
    FrmMain& w = poker(true);
    QAction* item = w.pokerAnalysis->menuItem();
    EXPECT_TRUE(w.menus.mnuAction->actions().contains(item));
    EXPECT_EQ(item->text(), "&Hand Analysis");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_A));
    deal(w, kJacks);
    hold(w, {0, 1});
    clickDeck(w);
    EXPECT_EQ(w.pokerAnalysis->window(), nullptr);
    EXPECT_EQ(w.pokerAnalysis->tally().hands(), 0);
}

TEST_F(PokerAnalysisWindowTest, ListsThe32HoldsBestFirstWithTheLadderAndBestPlayMarked) {
    FrmMain& w = poker(true);
    open(w);
    EXPECT_TRUE(w.pokerAnalysis->window()->isVisible());
    EXPECT_EQ(rows(w).rowCount(), 0); // nothing dealt yet
    deal(w, kInsideStraight);
    ASSERT_EQ(rows(w).rowCount(), 32);
    EXPECT_EQ(rows(w).horizontalHeaderItem(0)->text(), "A\u2665");
    EXPECT_EQ(rows(w).horizontalHeaderItem(4)->text(), "K\u2663");

    EXPECT_EQ(play(w, 0), "Best");
    EXPECT_EQ(heldCards(w, 0), QStringList({"A\u2665", "", "J\u2665", "Q\u2666", "K\u2663"}));
    EXPECT_EQ(text(w, 0, PokerAnalysisWindow::kReturnColumn), "0.5957");
    const int ladder = rowMarked(w, "Ladder");
    ASSERT_GT(ladder, 0);
    EXPECT_EQ(heldCards(w, ladder), QStringList({"A\u2665", "", "J\u2665", "", ""}));
    EXPECT_EQ(play(w, ladder), "Ladder");
    EXPECT_GT(text(w, ladder, PokerAnalysisWindow::kCostColumn).toDouble(), 0.0);

    double previous = 1e9;
    QSet<QString> holds;
    for (int r = 0; r < 32; ++r) {
        const double value = text(w, r, PokerAnalysisWindow::kReturnColumn).toDouble();
        EXPECT_LE(value, previous) << "row " << r;
        previous = value;
        holds.insert(heldCards(w, r).join('|'));
    }
    EXPECT_EQ(holds.size(), 32);                  // every hold once
    EXPECT_TRUE(holds.contains("draw five||||")); // drawing five is among them
    EXPECT_TRUE(w.pokerAnalysis->window()->headline().contains("Ladder: 2 High (Suited)"));
}

TEST_F(PokerAnalysisWindowTest, AfterTheDrawAWrongHoldShowsWhatItCost) {
    FrmMain& w = poker(true);
    open(w);
    deal(w, kJacks);
    hold(w, {0, 1, 4}); // the jacks and a nine kept beside them
    clickDeck(w);
    const int yours = rowMarked(w, "Yours");
    ASSERT_GT(yours, 0);
    EXPECT_EQ(heldCards(w, yours), QStringList({"J\u2660", "J\u2665", "", "", "9\u2660"}));
    const QString cost = text(w, yours, PokerAnalysisWindow::kCostColumn);
    EXPECT_GT(cost.toDouble(), 0.0);
    EXPECT_TRUE(w.pokerAnalysis->window()->verdict().contains(cost + " credits less than holding "
                                                                     "J\u2660 J\u2665"))
        << w.pokerAnalysis->window()->verdict().toStdString();
    EXPECT_EQ(play(w, 0), "Best, Ladder");
    EXPECT_NEAR(w.pokerAnalysis->tally().mistakeCost(), cost.toDouble(), 5e-5);
    EXPECT_TRUE(w.pokerAnalysis->window()->tallyLine().contains(
        "1 hand analysed, 0 held as the best play, mistakes cost " +
        QString::number(cost.toDouble(), 'f', 2)));

    deal(w, kJacks);
    hold(w, {0, 1});
    clickDeck(w);
    EXPECT_EQ(play(w, 0), "Best, Ladder, Yours");
    EXPECT_TRUE(w.pokerAnalysis->window()->verdict().endsWith("the best play."));
    EXPECT_EQ(w.pokerAnalysis->tally().hands(), 2);
    EXPECT_EQ(w.pokerAnalysis->tally().matched(), 1);
}

TEST_F(PokerAnalysisWindowTest, OpenedAfterTheDealItAnalysesTheHandOnTheTable) {
    FrmMain& w = poker(true);
    deal(w, kInsideStraight);
    open(w);
    ASSERT_EQ(rows(w).rowCount(), 32);
    EXPECT_EQ(heldCards(w, 0), QStringList({"A\u2665", "", "J\u2665", "Q\u2666", "K\u2663"}));
}

// In checking mode a refused hold shows in the window: the hold, the ladder's play and what
// the refused hold would have been worth; the corrected draw then replaces it.
TEST_F(PokerAnalysisWindowTest, ARefusedHoldShowsWithTheLaddersPlayAndItsWorth) {
    FrmMain& w = poker(false);
    open(w);
    deal(w, kJacks);
    hold(w, {0, 1, 4});
    clickDeck(w);
    ASSERT_EQ(w.poker.pokerDrawPending, kTrue);
    const int refused = rowMarked(w, "Refused");
    ASSERT_GT(refused, 0);
    EXPECT_EQ(heldCards(w, refused), QStringList({"J\u2660", "J\u2665", "", "", "9\u2660"}));
    const QString worth = text(w, refused, PokerAnalysisWindow::kReturnColumn);
    const QString cost = text(w, refused, PokerAnalysisWindow::kCostColumn);
    const QString ladder = text(w, 0, PokerAnalysisWindow::kReturnColumn);
    const QString verdict = w.pokerAnalysis->window()->verdict();
    EXPECT_TRUE(verdict.startsWith("Hold refused: J\u2660 J\u2665 9\u2660, worth " + worth +
                                   " per credit, " + cost + " credits less than the best hold"))
        << verdict.toStdString();
    EXPECT_TRUE(
        verdict.contains("The ladder's play: hold J\u2660 J\u2665, " + ladder + " per credit."))
        << verdict.toStdString();
    EXPECT_EQ(w.pokerAnalysis->tally().hands(), 0);
    hold(w, {0, 1});
    clickDeck(w);
    EXPECT_EQ(rowMarked(w, "Refused"), -1);
    EXPECT_EQ(rowMarked(w, "Yours"), 0);
    EXPECT_TRUE(w.pokerAnalysis->window()->verdict().endsWith("the best play."));
}

// In checking mode a refused hold is no draw: the advisor refuses as ever and the tally waits
// for the corrected hold, which it counts once.
TEST_F(PokerAnalysisWindowTest, TheCheckingModeRefusesAsBeforeAndOnlyTheDrawCounts) {
    FrmMain& w = poker(false);
    open(w);
    deal(w, kJacks);
    hold(w, {0, 1, 4});
    clickDeck(w);
    EXPECT_EQ(soundNames().last(), "wrong.wav");
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
    EXPECT_EQ(w.pokerAnalysis->tally().hands(), 0);
    EXPECT_EQ(rowMarked(w, "Yours"), -1);
    hold(w, {0, 1});
    clickDeck(w);
    EXPECT_EQ(w.ui.pkLabelHands->text(), "1");
    EXPECT_EQ(w.pokerAnalysis->tally().hands(), 1);
    EXPECT_EQ(w.pokerAnalysis->tally().matched(), 1);
    EXPECT_EQ(rowMarked(w, "Yours"), 0);
}

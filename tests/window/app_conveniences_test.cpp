// Small conveniences of the main window: the keys for Exit and Contents, the tool tips of
// the two banks and of the credit meter, and Escape closing the help window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QToolTip>

#include "extras/help_viewer.h"
#include "support/rummy_window_fixture.h"
#include "table/bank_tool_tips.h"
#include "table/table_canvas.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

using Conveniences = RummyWindowTest;

// The actions of the window that answer `key`.
QList<QAction*> actionsFor(const FrmMain& w, const QKeySequence& key) {
    QList<QAction*> found;
    for (QAction* action : w.findChildren<QAction*>()) {
        if (action->shortcuts().contains(key)) {
            found << action;
        }
    }
    return found;
}

QPoint middleOf(const QLabel* label) {
    return label->geometry().center();
}

} // namespace

TEST_F(Conveniences, CtrlQExitsAndF1OpensTheContentsEachWithNoOtherMeaning) {
    FrmMain& w = game();
    EXPECT_EQ(actionsFor(w, QKeySequence(Qt::CTRL | Qt::Key_Q)), QList<QAction*>{w.menus.mnuExit});
    EXPECT_EQ(actionsFor(w, QKeySequence(Qt::Key_F1)), QList<QAction*>{w.menus.mnuContents});
}

TEST_F(Conveniences, TheBankFiguresAndTheCreditMeterExplainThemselves) {
    FrmMain& w = game();
    EXPECT_EQ(bankToolTipAt(w, middleOf(w.table.lblBankPlayer)), "Your bank");
    EXPECT_EQ(bankToolTipAt(w, middleOf(w.table.lblBankComputer)), "Computer's bank");
    EXPECT_EQ(bankToolTipAt(w, centreOf(w.table.picDeal[0]).toPoint()), "");
    // The table answers a tool tip request over a bank with it.
    w.show();
    QHelpEvent ask(QEvent::ToolTip, middleOf(w.table.lblBankPlayer),
                   w.ui.table->mapToGlobal(middleOf(w.table.lblBankPlayer)));
    QCoreApplication::sendEvent(w.ui.table, &ask);
    EXPECT_EQ(QToolTip::text(), "Your bank");
    QToolTip::hideText();

    w.mnuPoker_Click(); // Video Poker paints no banks
    EXPECT_EQ(bankToolTipAt(w, middleOf(w.table.lblBankPlayer)), "");
    EXPECT_FALSE(w.ui.pklblWinnings->toolTip().isEmpty());
}

TEST(HelpWindowKeys, EscapeClosesTheHelpWindow) {
    HelpViewer viewer;
    viewer.showContents(QDir(qEnvironmentVariable("QUILLAN_ASSETS")).filePath("felton.hlp"));
    ASSERT_TRUE(viewer.isVisible());
    // Other keys still go to the page (Down scrolls it) and leave the window open.
    for (const int key : {int(Qt::Key_Down), int(Qt::Key_Escape)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(viewer.browser(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(viewer.browser(), &release);
        EXPECT_EQ(viewer.isVisible(), key != Qt::Key_Escape) << key;
    }
}

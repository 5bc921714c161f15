// The menu bar, the background menu and the Action pop-up.
#include <QDir>
#include <QMenuBar>

#include "app/frm_main.h"
#include "stats/statistics_recorder.h"

namespace quillan {

void FrmMain::buildMenus() {
    buildGameMenu();
    buildActionMenu();
    buildPreferencesMenu();
    buildHelpMenu();
}

void FrmMain::buildGameMenu() {
    menus.mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    menus.mnuPlayRummy = menus.mnuGame->addAction(QStringLiteral("Play Gin-&Rummy"));
    menus.mnuPlayRummy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(menus.mnuPlayRummy, &QAction::triggered, this, [this] { mnuPlayRummy_Click(); });
    menus.mnuPoker = menus.mnuGame->addAction(QStringLiteral("Play &Video Poker"));
    menus.mnuPoker->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(menus.mnuPoker, &QAction::triggered, this, [this] { mnuPoker_Click(); });
    menus.mnuGame->addSeparator();
    menus.mnuExit = menus.mnuGame->addAction(QStringLiteral("E&xit"));
    menus.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(menus.mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
}

void FrmMain::buildActionMenu() {
    menus.mnuAction = menuBar()->addMenu(QStringLiteral("&Action"));
    menus.mnuKnock = menus.mnuAction->addAction(QStringLiteral("Knock"));
    connect(menus.mnuKnock, &QAction::triggered, this, [this] { mnuKnock_Click(); });
    menus.mnuPeek = menus.mnuAction->addAction(QStringLiteral("Peek"));
    connect(menus.mnuPeek, &QAction::triggered, this, [this] { mnuPeek_Click(); });
    menus.mnuSortRank = menus.mnuAction->addAction(QStringLiteral("Sort by &Rank"));
    connect(menus.mnuSortRank, &QAction::triggered, this, [this] { mnuSortRank_Click(); });
    menus.mnuSortSuit = menus.mnuAction->addAction(QStringLiteral("Sort by &Suit"));
    connect(menus.mnuSortSuit, &QAction::triggered, this, [this] { mnuSortSuit_Click(); });
    menus.mnuStart = menus.mnuAction->addAction(QStringLiteral("Start New Game"));
    menus.mnuStart->setShortcut(QKeySequence(Qt::Key_F5));
    menus.mnuStart->setVisible(false);
    connect(menus.mnuStart, &QAction::triggered, this, [this] { mnuStart_Click(); });
    menus.mnuSavePosition = menus.mnuAction->addAction(QStringLiteral("Save Position"));
    connect(menus.mnuSavePosition, &QAction::triggered, this, [this] { mnuSavePosition_Click(); });
}

void FrmMain::buildPreferencesMenu() {
    menus.mnuPreferences = menuBar()->addMenu(QStringLiteral("&Preferences"));
    menus.mnuShowComputerHand = menus.mnuPreferences->addAction(QStringLiteral("Show Hand"));
    connect(menus.mnuShowComputerHand, &QAction::triggered, this,
            [this] { mnuShowComputerHand_Click(); });
    menus.mnuWager = menus.mnuPreferences->addAction(QStringLiteral("Show Scores"));
    connect(menus.mnuWager, &QAction::triggered, this, [this] { mnuWager_Click(); });
    connect(menus.mnuPreferences->addAction(QStringLiteral("Statistics")), &QAction::triggered,
            this, [this] { trap("mnuStatistics_Click", [&] { statistics->showWindow(this); }); });
    menus.mnuHide = menus.mnuPreferences->addAction(QStringLiteral("Hide Desktop"));
    connect(menus.mnuHide, &QAction::triggered, this, [this] { mnuHide_Click(); });
    menus.mnuSelectBackground = menus.mnuPreferences->addMenu(QStringLiteral("Select Background"));
    for (int i = 0; i < kBackgroundItems; ++i) {
        QAction* item =
            menus.mnuSelectBackground->addAction(i == 0 ? QStringLiteral("empty") : QString());
        item->setCheckable(true);
        item->setVisible(i == 0);
        connect(item, &QAction::triggered, this, [this, item, i] {
            item->setChecked(!item->isChecked()); // the check mark follows the picture in use
            mnuBackgoundSelected_Click(i);
        });
        menus.mnuBackgoundSelected[static_cast<std::size_t>(i)] = item;
    }
    menus.mnuMoreOptions = menus.mnuPreferences->addAction(QStringLiteral("More Options.."));
    connect(menus.mnuMoreOptions, &QAction::triggered, this, [this] { mnuMoreOptions_Click(); });
}

void FrmMain::buildHelpMenu() {
    menus.mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    menus.mnuContents = menus.mnuHelp->addAction(QStringLiteral("&Contents"));
    menus.mnuContents->setShortcut(QKeySequence(Qt::Key_F1));
    connect(menus.mnuContents, &QAction::triggered, this, [this] { mnuContents_Click(); });
    menus.mnuAbout = menus.mnuHelp->addAction(QStringLiteral("About Gin-Rummy/Video-Poker"));
    connect(menus.mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void FrmMain::fillBackgroundMenu() {
    const QDir pics(programFolder() + QStringLiteral("/pics"));
    const QStringList names = pics.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    std::size_t n = 0;
    for (const QString& name : names) {
        if (n >= menus.mnuBackgoundSelected.size()) {
            break;
        }
        const QString caption = name.trimmed();
        if (caption.isEmpty()) {
            continue;
        }
        menus.mnuBackgoundSelected[n]->setText(caption);
        menus.mnuBackgoundSelected[n]->setVisible(true);
        ++n;
    }
}

void FrmMain::popUpActionMenu(const QPoint& at) {
    menus.mnuStart->setVisible(true);
    menus.mnuAction->popup(at);
}

} // namespace quillan

// Start-up, switching games and who opens a Gin Rummy hand, on the real window.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <algorithm>

#include "support/window_fixture.h"

using namespace quillan;
using quillan::test::WindowTest;

namespace {

QString statusOf(FrmMain& w) {
    return w.ui.lblStatus->text();
}

} // namespace

using AppFlows = WindowTest;

TEST_F(AppFlows, FirstStartWithNoSettingsOpensVideoPoker) {
    FrmMain& w = loaded();
    EXPECT_EQ(w.settings.isPoker, kTrue);
    EXPECT_TRUE(w.ui.Timer1->isActive());
    EXPECT_EQ(w.ui.Timer1->interval(), 5000);
    EXPECT_EQ(w.cards.stock.upperBound(), 51);
    EXPECT_FALSE(w.menus.mnuPeek->isEnabled());
    EXPECT_EQ(statusOf(w), "Click the cards to hold");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(AppFlows, GinRummyHandsAlternateTheOpenerStartingWithThePlayer) {
    platform.settings["isPoker"] = "False";
    FrmMain& w = loaded();
    EXPECT_EQ(w.settings.isPoker, kFalse);
    EXPECT_EQ(statusOf(w), "Click the Deck or Reject stack..");
    EXPECT_EQ(w.kept.playerStartsNext, kTrue);
    EXPECT_FALSE(w.ui.Timer1->isActive());

    w.cmdPlayAgain_Click();
    EXPECT_EQ(statusOf(w), "Computer turn to start..");
    EXPECT_EQ(w.kept.playerStartsNext, kFalse);
    EXPECT_EQ(w.turn.computerTurn, kFalse);

    w.mnuPlayRummy_Click();
    EXPECT_EQ(statusOf(w), "Click the Deck or Reject stack..");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(AppFlows, AGinRummyDealTurnsUpTheFirstRejectCard) {
    platform.settings["isPoker"] = "False";
    FrmMain& w = loaded();
    ASSERT_EQ(w.cards.rejectPile.upperBound(), 1);
    EXPECT_EQ(w.cards.stock.upperBound(), 30);
    EXPECT_EQ(w.cards.rejectPile[1].cardvalue, w.cards.deck[51].cardvalue);
    EXPECT_EQ(w.cards.rejectPile[0], CardSlot{});
    EXPECT_EQ(w.turn.dealPending, kFalse);
    EXPECT_EQ(w.turn.dealInProgress, kFalse);
    EXPECT_EQ(w.rummy.MAXDEADWOOD, 10);
    // Both dealt hands are analysed: their unmatched lists hold only their own cards.
    const auto holds = [](const Hand& hand, const CardSlot& c) {
        return std::any_of(hand.begin(), hand.end(),
                           [&](const CardSlot& h) { return h.cardvalue == c.cardvalue; });
    };
    for (const CardSlot& c : w.rummy.playerUnmatched) {
        EXPECT_TRUE(c.rank == 0 || holds(w.cards.handplayer, c));
    }
    for (const CardSlot& c : w.rummy.computerUnmatched) {
        EXPECT_TRUE(c.rank == 0 || holds(w.cards.handComputer, c));
    }
    EXPECT_EQ(w.kept.welcomeShown, kTrue);
}

TEST_F(AppFlows, SimpleVariantSetsNoKnockLimit) {
    platform.settings["isPoker"] = "False";
    platform.settings["prfOpQN"] = "True";
    FrmMain& w = loaded();
    EXPECT_EQ(w.rummy.MAXDEADWOOD, 0);
}

TEST_F(AppFlows, PlayGinRummyDuringABusyPokerDealOnlySetsTheKnockLimit) {
    FrmMain& w = loaded();
    const Deck before = w.cards.deck;
    w.poker.pokerBusy = kTrue;
    w.rummy.MAXDEADWOOD = 99;
    w.settings.prfOpQN = kTrue;
    w.menus.mnuPlayRummy->trigger();
    EXPECT_EQ(w.rummy.MAXDEADWOOD, 0);
    EXPECT_EQ(w.settings.isPoker, kTrue);
    EXPECT_TRUE(w.ui.Timer1->isActive());
    EXPECT_EQ(w.turn.dealInProgress, kFalse);
    EXPECT_EQ(w.cards.deck, before);
    EXPECT_EQ(statusOf(w), "Click the cards to hold");
}

TEST_F(AppFlows, SwitchingToVideoPokerAndBack) {
    platform.settings["isPoker"] = "False";
    FrmMain& w = loaded();
    w.menus.mnuPoker->trigger();
    EXPECT_EQ(w.settings.isPoker, kTrue);
    EXPECT_TRUE(w.ui.Timer1->isActive());
    EXPECT_EQ(w.cards.stock.upperBound(), 51);
    EXPECT_FALSE(w.menus.mnuSortRank->isEnabled());
    w.menus.mnuPlayRummy->trigger();
    EXPECT_EQ(w.settings.isPoker, kFalse);
    EXPECT_FALSE(w.ui.Timer1->isActive());
    EXPECT_TRUE(w.menus.mnuSortRank->isEnabled());
    // The computer opened this hand: it took the upcard or drew, then discarded.
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
}

TEST_F(AppFlows, AdvisorShowModeDoesNotStartTheCountdown) {
    platform.settings["prfShowPokerPlay"] = "True";
    FrmMain& w = loaded();
    EXPECT_FALSE(w.ui.Timer1->isActive());
}

TEST_F(AppFlows, StartNewGameDealsAgainInTheCurrentGame) {
    platform.settings["isPoker"] = "False";
    FrmMain& w = loaded();
    EXPECT_FALSE(w.menus.mnuStart->isVisible());
    w.mnuStart_Click();
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
    EXPECT_EQ(statusOf(w), "Computer turn to start..");
}

TEST_F(AppFlows, MoreThanTwentyOneBackgroundsFillOnlyItemsZeroToTwenty) {
    for (int i = 0; i < 25; ++i) {
        addFile(QStringLiteral("pics/pic%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    }
    addFile("pics/backs/mine.bmp");
    FrmMain& w = loaded();
    for (int i = 0; i < kBackgroundItems; ++i) {
        QAction* item = w.menus.mnuBackgoundSelected[static_cast<std::size_t>(i)];
        EXPECT_EQ(item->text(), QStringLiteral("pic%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
        EXPECT_TRUE(item->isVisible());
    }
    EXPECT_EQ(w.menus.mnuSelectBackground->actions().size(), kBackgroundItems);
}

TEST_F(AppFlows, VideoPokerBackgroundsAreHiddenInGinRummy) {
    addFile("pics/beach.gif");
    addFile("pics/vpwood.jpg");
    platform.settings["isPoker"] = "False";
    FrmMain& w = loaded();
    EXPECT_TRUE(w.menus.mnuBackgoundSelected[0]->isVisible());
    EXPECT_EQ(w.menus.mnuBackgoundSelected[1]->text(), "vpwood.jpg");
    EXPECT_FALSE(w.menus.mnuBackgoundSelected[1]->isVisible());
    EXPECT_FALSE(w.menus.mnuBackgoundSelected[2]->isVisible());
    w.mnuPoker_Click();
    EXPECT_TRUE(w.menus.mnuBackgoundSelected[1]->isVisible());
}

TEST_F(AppFlows, HiddenComputerHandCaptionsShowHand) {
    platform.settings["isPoker"] = "False";
    platform.settings["prfShowHide"] = "False";
    FrmMain& w = window();
    w.Form_Load();
    EXPECT_EQ(w.menus.mnuShowComputerHand->text(), "Hide Hand");
    w.settings.prfShowHide = kTrue;
    w.FirstInit(); // a second call lays out again but starts nothing
    EXPECT_EQ(w.menus.mnuShowComputerHand->text(), "Show Hand");
    EXPECT_TRUE(w.menus.mnuPeek->isEnabled());
}

TEST_F(AppFlows, MenuBarHasEveryItemWithItsShortcut) {
    FrmMain& w = window();
    EXPECT_EQ(w.menus.mnuGame->title(), "&Game");
    EXPECT_EQ(w.menus.mnuAction->title(), "&Action");
    EXPECT_EQ(w.menus.mnuPreferences->title(), "&Preferences");
    EXPECT_EQ(w.menus.mnuHelp->title(), "&Help");
    EXPECT_EQ(w.menus.mnuPlayRummy->text(), "Play Gin-&Rummy");
    EXPECT_EQ(w.menus.mnuPlayRummy->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(w.menus.mnuPoker->text(), "Play &Video Poker");
    EXPECT_EQ(w.menus.mnuPoker->shortcut(), QKeySequence("Ctrl+V"));
    EXPECT_EQ(w.menus.mnuExit->text(), "E&xit");
    EXPECT_TRUE(w.menus.mnuGame->actions().at(2)->isSeparator());
    EXPECT_EQ(w.menus.mnuStart->text(), "Start New Game");
    EXPECT_EQ(w.menus.mnuStart->shortcut(), QKeySequence("F5"));
    EXPECT_FALSE(w.menus.mnuStart->isVisible());
    QStringList action;
    for (QAction* a : w.menus.mnuAction->actions()) {
        action << a->text();
    }
    EXPECT_EQ(action, QStringList({"Knock", "Peek", "Sort by &Rank", "Sort by &Suit",
                                   "Start New Game", "Save Position", "&Hand Analysis"}));
    EXPECT_EQ(w.menus.mnuWager->text(), "Show Scores");
    EXPECT_EQ(w.menus.mnuHide->text(), "Hide Desktop");
    EXPECT_EQ(w.menus.mnuMoreOptions->text(), "More Options..");
    EXPECT_EQ(w.menus.mnuBackgoundSelected[0]->text(), "empty");
    EXPECT_EQ(w.menus.mnuContents->text(), "&Contents");
    EXPECT_EQ(w.menus.mnuAbout->text(), "About Gin-Rummy/Video-Poker");
}

TEST_F(AppFlows, TheActionPopUpOverTheTableShowsStartNewGame) {
    FrmMain& w = loaded();
    w.popUpActionMenu(QPoint(10, 10));
    EXPECT_TRUE(w.menus.mnuStart->isVisible());
    w.menus.mnuAction->hide();
}

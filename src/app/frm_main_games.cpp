// Switching between the two games, starting a Gin Rummy hand, and the Video Poker timer.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/frm_main.h"
#include "app/text_number_rules.h"
#include "poker/poker_advisor_rules.h"
#include "rummy/computer_level_turn.h"
#include "stats/statistics_recorder.h"

namespace quillan {

void FrmMain::mnuPlayRummy_Click() {
    trap("mnuPlayRummy_Click", [&] {
        if (isSet(settings.prfOpQN)) {
            rummy.MAXDEADWOOD = 0;
        } else if (isSet(settings.prfOpStandard)) {
            rummy.MAXDEADWOOD = 10;
        }
        if (isSet(poker.pokerBusy) || handBeingPlayed()) {
            return;
        }
        const HandPlayScope playing(handPlayDepth_);
        turn.dealInProgress = kTrue;
        ui.Timer1->stop();
        cards.rejectPile.reset();
        rummy.playerUnmatched.reset();
        rummy.computerUnmatched.reset();
        rummy.peekCount = 0;
        for (QAction* item :
             {menus.mnuPeek, menus.mnuShowComputerHand, menus.mnuSortRank, menus.mnuSortSuit}) {
            item->setEnabled(true);
        }
        showDealPile(false);
        turn.dealPending = kTrue;
        ui.picPokerLabels->hide();
        ui.Frame1->hide();
        settings.isPoker = kFalse;
        if (!isVisible()) {
            show();
        }
        shuffleCards();
        statistics->rummyHandDealt();
        LoadBackGroundPic(QString::fromStdString(settings.prfQNBackground));
        if (isSet(settings.prfQNAutoSort)) {
            mnuSortRank_Click();
        }
        for (QAction* item : menus.mnuBackgoundSelected) {
            if (item->text().startsWith(QStringLiteral("vpw"))) {
                item->setVisible(false);
            }
        }
        showDealPile(true);
        evaluateDealtHands();
        startLevelHand(*this);
        if (isSet(settings.prfQNAutoSort)) {
            mnuSortRank_Click();
        }
        showChampionCaption();
        decideOpener();
    });
}

// Both analyses start from the dealt hands; the computer's is run as the computer.
void FrmMain::evaluateDealtHands() {
    const auto copyHand = [](const Hand& hand, Pile& list) {
        list.resizeKeep(Hand::upperBound());
        for (long i = 0; i <= Hand::upperBound(); ++i) {
            list[i] = hand[i];
        }
    };
    copyHand(cards.handComputer, rummy.computerUnmatched);
    copyHand(cards.handplayer, rummy.playerUnmatched);
    turn.computerTurn = kFalse;
    analyseHand(cards.handplayer);
    turn.computerTurn = kTrue;
    analyseHand(cards.handComputer);
    turn.computerTurn = kFalse;
}

// The player opens the first hand after start-up; then the opener alternates.
void FrmMain::decideOpener() {
    if (!isSet(kept.playerStartsNext)) {
        ShowStatus(QStringLiteral("Click the Deck or Reject stack.."));
        kept.playerStartsNext = kTrue;
    } else {
        turn.computerTurn = kTrue;
        ShowStatus(QStringLiteral("Computer turn to start.."));
        ComputerTurn();
        kept.playerStartsNext = kFalse;
    }
}

void FrmMain::mnuPoker_Click() {
    trap("mnuPoker_Click", [&] {
        if (isSet(poker.pokerBusy) || handBeingPlayed()) {
            return; // never restart the table in the middle of a deal, a draw or a turn
        }
        ui.Frame1->hide();
        initPokerScreen();
    });
}

void FrmMain::mnuStart_Click() {
    trap("mnuStart_Click", [&] {
        if (handBeingPlayed()) {
            return; // the running deal or turn keeps its cards (the reject pile included)
        }
        turn.dealPending = kTrue;
        if (isSet(settings.isPoker)) {
            mnuPoker_Click();
        } else {
            cards.rejectPile.reset();
            mnuPlayRummy_Click();
        }
    });
}

void FrmMain::cmdPlayAgain_Click() {
    trap("cmdPlayAgain_Click", [&] {
        ui.Frame1->hide();
        mnuPlayRummy_Click();
    });
}

void FrmMain::mnuExit_Click() {
    trap("mnuExit_Click", [&] { close(); });
}

void FrmMain::Timer1_Timer() {
    trap("Timer1_Timer", [&] {
        const CountdownTick tick =
            countdownTick(int16FromLabelText(ui.pkLabelTimer->text().toStdString()));
        ui.pkLabelTimer->setText(QString::number(tick.shown));
        if (tick.showHint) {
            ShowStatus(QStringLiteral("Click the Deck to deal"));
        }
        if (tick.runEnds) {
            endPerfectPlayRun();
        }
    });
}

} // namespace quillan

// Applying a hand analysis in the window: the computer's keep values and meld order, the
// stored unmatched lists, and what a knockable hand does on each side.
#include <QLabel>

#include "app/frm_main.h"
#include "rummy/computer_level_turn.h"
#include "rummy/computer_rules.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/meld_rules.h"
#include "table/hand_painting.h"

namespace quillan {

namespace {

const QString kComputerKnocks = QStringLiteral("Computer Knocks");
const QString kComputerKnocksGin = QStringLiteral("Computer Knocks Gin");

// The computer's cards are shown face up with their unmatched cards marked, and so are the
// player's when the player's hand is part of the result.
void showPanel(FrmMain& w, const ScorePanel& panel, bool bothHands) {
    fillScorePanel(w, panel);
    w.ui.Frame1->show();
    w.ui.Frame1->raise();
    w.showComputerHandResult();
    if (bothHands) {
        w.showPlayerHandResult();
    }
}

void endByComputer(FrmMain& w, const HandAnalysis& a, bool gin) {
    w.WinnerComputerHoopla();
    w.ui.Frame1->show();
    w.turn.handOver = kTrue;
    if (!gin) {
        w.ComputerDiscardCard(static_cast<int16>(
            knockDiscardSlot(slotsOf(w.cards.handComputer), a.discardCandidate)));
    }
    w.ui.lblKnock->setText(gin ? kComputerKnocksGin : kComputerKnocks);
    w.ShowStatus(gin ? kComputerKnocksGin : kComputerKnocks);
    CardList defender = listFrom(w.rummy.playerUnmatched);
    const int16 playerDeadwood =
        countLayOffDeadwood(a.melds[0], a.melds[1], a.melds[2], !gin, defender);
    w.rummy.playerUnmatched = pileFrom(defender);
    const ScorePanel panel =
        gin ? scoreComputerGin(playerDeadwood) : scoreComputerKnock(a.deadwood, playerDeadwood);
    w.banks.prfComputerBank = addToBank(w.banks.prfComputerBank, panel.computerBankChange);
    w.banks.handScore = 0;
    showPanel(w, panel, true);
}

void endByPlayerGin(FrmMain& w, const HandAnalysis& a) {
    w.ui.Frame1->show();
    w.ui.lblKnock->setText(QString::fromUtf8(kYouKnockGin));
    w.ShowStatus(QString::fromUtf8(kYouKnockGin));
    CardList defender = listFrom(w.rummy.computerUnmatched);
    const int16 computerDeadwood =
        countLayOffDeadwood(a.melds[0], a.melds[1], a.melds[2], false, defender);
    const ScorePanel panel = scorePlayerGin(computerDeadwood);
    w.banks.handScore = panel.handScore;
    w.turn.handOver = kTrue;
    showPanel(w, panel, false);
    w.WinnerPlayerHoopla(true);
}

void applyComputerSide(FrmMain& w, const HandAnalysis& a, int analysedSlots) {
    applyComputerAnalysis(w.cards.handComputer, a, analysedSlots);
    if (a.meldMoveCount > 0) {
        w.refreshHand(kNoSkip, false, true);
    }
    w.rummy.computerUnmatched = pileFrom(a.storedUnmatched);
    const ComputerAction action = computerKnockAction(a, w.rummy.MAXDEADWOOD);
    if (action != ComputerAction::Continue && !levelTakesKnock(w, action)) {
        return; // the level plays on and throws a card
    }
    switch (action) {
    case ComputerAction::Gin:
        endByComputer(w, a, true);
        break;
    case ComputerAction::Knock:
        endByComputer(w, a, false);
        break;
    case ComputerAction::Continue:
        break;
    }
}

void applyPlayerSide(FrmMain& w, const HandAnalysis& a) {
    if (!isSet(w.turn.playerHoldsDraw)) {
        w.refreshHand(kNoSkip, false, false); // the dealt hand turns face up here
    }
    w.rummy.playerUnmatched = pileFrom(a.storedUnmatched);
    w.play.preparedKnock = HandAnalysis{};
    const PlayerAnalysisResult r =
        playerAnalysisOutcome(a, w.rummy.MAXDEADWOOD, isSet(w.turn.playerHoldsDraw));
    switch (r.outcome) {
    case PlayerAnalysisOutcome::Gin:
        endByPlayerGin(w, a);
        break;
    case PlayerAnalysisOutcome::KnockPrepared:
        w.ui.lblKnock->setText(QString::fromUtf8(kYouKnock));
        w.ShowStatus(QString::fromStdString(r.statusText));
        w.play.knockDiscard = a.discardCandidate;
        w.play.preparedKnock = a;
        break;
    case PlayerAnalysisOutcome::Nothing:
        break;
    }
}

} // namespace

void FrmMain::analyseHand(std::span<const CardSlot> hand) {
    trap("canknock", [&] {
        AnalysisInput input;
        input.computerTurn = isSet(turn.computerTurn);
        input.computerMayKnock = isSet(play.computerMayKnock);
        input.rejectPileCards = static_cast<int>(cards.rejectPile.upperBound());
        const HandAnalysis a = quillan::analyseHand(hand, input);
        if (input.computerTurn) {
            applyComputerSide(*this, a, static_cast<int>(hand.size()));
        } else {
            applyPlayerSide(*this, a);
        }
    });
}

} // namespace quillan

// The player's knock: from the Knock menu or a double-click on the table.
#include <QLabel>

#include "app/frm_main.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/meld_rules.h"

namespace quillan {

namespace {

// A knock ends the hand: the prepared knock's melds take the computer's lay-offs.
void carryOutKnock(FrmMain& w) {
    w.turn.handOver = kTrue;
    w.DiscardPlayerCard(
        static_cast<int16>(knockDiscardSlot(slotsOf(w.cards.handplayer), w.play.knockDiscard)));
    const HandAnalysis& a = w.play.preparedKnock;
    CardList defender = listFrom(w.rummy.computerUnmatched);
    const int16 computerDeadwood =
        countLayOffDeadwood(a.melds[0], a.melds[1], a.melds[2], true, defender);
    w.rummy.computerUnmatched = pileFrom(defender);
    const ScorePanel panel =
        scorePlayerKnock(countDeadwood(listFrom(w.rummy.playerUnmatched)), computerDeadwood);
    fillScorePanel(w, panel);
    w.banks.handScore = panel.handScore;
    w.ui.Frame1->show();
    w.ui.Frame1->raise();
    w.showComputerHandResult();
    w.showPlayerHandResult();
    if (panel.total > 0) {
        w.WinnerPlayerHoopla(false);
    } else {
        w.WinnerComputerHoopla();
    }
}

} // namespace

void FrmMain::PlayerKnock() {
    trap("PlayerKnock", [&] {
        // Only a player holding eleven cards of a hand in progress may knock.
        const bool holds =
            isSet(turn.playerHoldsDraw) && !isSet(turn.handOver) && !rummyBusy(*this);
        const KnockDecision d = decidePlayerKnock(holds, listFrom(rummy.playerUnmatched),
                                                  currentVariant(*this), rummy.MAXDEADWOOD);
        QString message = QString::fromStdString(d.message);
        if (d.request == KnockRequest::Accepted && play.preparedKnock.shape == 0) {
            // The limit allows the count, but no split of the eleven cards can knock.
            message = QString::fromStdString(
                knockRefusalText(currentVariant(*this), rummy.MAXDEADWOOD,
                                 countDeadwood(listFrom(rummy.playerUnmatched))));
        } else if (d.request == KnockRequest::Accepted) {
            carryOutKnock(*this);
            return;
        }
        platform_.messageBox(message, programTitle());
    });
}

void FrmMain::mnuKnock_Click() {
    trap("mnuKnock_Click", [&] { PlayerKnock(); });
}

void FrmMain::Form_DblClick() {
    trap("Form_DblClick", [&] {
        if (!isSet(settings.isPoker)) {
            PlayerKnock();
        }
    });
}

} // namespace quillan

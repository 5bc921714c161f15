#include "stats/frm_main_statistics.h"

#include "app/frm_main.h"
#include "poker/poker_pay_rules.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "stats/statistics_recorder.h"

namespace quillan {

namespace {

// The banks as the hand leaves them, the player's points counted in.
BankPoint banksWith(const FrmMain& w, int16 playerPoints) {
    return {w.banks.prfComputerBank, w.banks.prfPlayerBank + playerPoints};
}

} // namespace

void recordRummyEnding(FrmMain& w, const ScorePanel& panel) {
    w.statistics->rummyHandEnded(currentVariant(w), panel, banksWith(w, panel.handScore));
}

void recordRummyTie(FrmMain& w) {
    w.statistics->rummyTie(currentVariant(w), banksWith(w, w.banks.handScore));
}

void recordPokerDraw(FrmMain& w) {
    const auto payout = payoutFor(w.poker.pokerType);
    w.statistics->pokerHandFinished(w.poker.pokerType, kPokerBet, payout ? payout->pays : 0,
                                    w.pokerMeter());
}

} // namespace quillan

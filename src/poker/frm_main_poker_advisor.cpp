// The best-play advisor in its checking mode: a draw goes ahead only with the right hold,
// a wrong one is refused and ends the run of perfectly played hands.
#include <QLabel>

#include "app/frm_main.h"
#include "app/text_number_rules.h"
#include "poker/poker_advisor_rules.h"
#include "poker/poker_ladder_rules.h"
#include "stats/statistics_recorder.h"

namespace quillan {

bool FrmMain::pokerHoldAccepted() {
    restPayLabels();
    const HoldCheck check = checkHold(poker.pokerHand, poker.pokerHeld, poker.pokerType);
    if (check.right) {
        return true;
    }
    statistics->pokerHoldRefused(poker.pokerType);
    if (poker.pokerType >= 1) {
        paintPayLabel(poker.pokerType - 1, kWrongPlayBack);
    }
    poker.pokerDrawPending = kTrue; // the same cards wait for another try
    poker.pokerHeld.clear();
    const std::string_view sound = wrongHoldSound(check.heldCount);
    playCue(QStringLiteral("\\wavs\\") +
            QString::fromUtf8(sound.data(), static_cast<qsizetype>(sound.size())));
    poker.pokerBusy = kFalse;
    endPerfectPlayRun();
    return false;
}

// The run in "Hands" is offered to the strategy table when it beats the handed-over value.
void FrmMain::endPerfectPlayRun() {
    const int16 hands = int16FromLabelText(ui.pkLabelHands->text().toStdString());
    const bool offered = runOffersScore(hands, settings.prfvidPokPerfPlay);
    ui.pkLabelHands->setText(QStringLiteral("0"));
    if (offered) {
        // Cleared even when stats.dat cannot be written, so later runs are still offered.
        struct HandOver {
            int16& slot;
            ~HandOver() { slot = 0; }
        } handOver{settings.prfvidPokPerfPlay};
        settings.prfvidPokPerfPlay = hands;
        RecordTopScores();
    }
}

} // namespace quillan

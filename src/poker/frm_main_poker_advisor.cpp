// The best-play advisor in its checking mode: a draw goes ahead only with the right hold,
// a wrong one is refused and ends the run of perfectly played hands.
#include <QLabel>

#include "app/frm_main.h"
#include "app/text_number_rules.h"
#include "poker/poker_advisor_rules.h"
#include "poker/poker_analysis.h"
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
    pokerAnalysis->refused(poker.pokerHeld);
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

// The run in "Hands" is offered to the strategy table when it beats the handed-over value;
// "Hands" still shows it while the name is asked for and reads 0 once the update is over.
void FrmMain::endPerfectPlayRun() {
    // Both are cleared even when stats.dat cannot be written, so a new run starts at 0 and
    // later runs are still offered.
    struct RunOver {
        QLabel& hands;
        int16& handOver;
        ~RunOver() {
            handOver = 0;
            hands.setText(QStringLiteral("0"));
        }
    } runOver{*ui.pkLabelHands, settings.prfvidPokPerfPlay};
    const int16 hands = int16FromLabelText(ui.pkLabelHands->text().toStdString());
    if (runOffersScore(hands, settings.prfvidPokPerfPlay)) {
        settings.prfvidPokPerfPlay = hands;
        RecordTopScores();
    }
}

} // namespace quillan

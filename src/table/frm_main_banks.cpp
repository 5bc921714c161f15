// The Gin Rummy banks in outlined text, and the sound cues of the table.
#include <QFont>
#include <QLabel>
#include <QPainter>

#include "app/frm_main.h"
#include "rummy/bank_rules.h"
#include "table/background_picture.h"
#include "table/bank_credit.h"
#include "table/outline_text.h"
#include "table/sound_cue.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

QFont bankFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(20);
    font.setBold(true);
    return font;
}

} // namespace

bool FrmMain::playCue(const QString& relativeName) {
    return playSoundCue(platform_, settings.prfSound, relativeName);
}

void creditHandScore(FrmMain& w) {
    const BankTotals credited = creditHandScore({w.banks.prfComputerBank, w.banks.prfPlayerBank},
                                                w.banks.handScore, !isSet(w.settings.prfShowHide));
    w.banks.prfComputerBank = credited.computerBank;
    w.banks.prfPlayerBank = credited.playerBank;
    w.banks.handScore = 0;
}

void FrmMain::UpdateBank() {
    trap("UpdateBank", [&] {
        creditHandScore(*this);
        // Each label's place shows the background again before its new amount is drawn.
        QPixmap& win = ui.table->windowImage();
        for (const QLabel* label : {table.lblBankComputer, table.lblBankPlayer}) {
            QPainter painter(&win);
            paintBackground(painter, table.thePic, label->geometry());
        }
        drawBanks(win, table.BoardBuffer, bankFont(), banks.prfComputerBank, banks.prfPlayerBank,
                  {table.lblBankComputer->pos(), table.lblBankPlayer->pos()});
        ui.table->repaintNow();
    });
}

} // namespace quillan

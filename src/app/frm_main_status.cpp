// The status line: the only writer of lblStatus.
#include <QLabel>

#include "app/frm_main.h"
#include "app/status_rules.h"

namespace quillan {

void FrmMain::ShowStatus(const QString& text) {
    trap("ShowStatus", [&] {
        const QString shown = ui.lblStatus->text();
        if (shown == text) {
            return;
        }
        if (text.isEmpty() && shown == QLatin1String(kKnockHint)) {
            return;
        }
        setStatusColour(0, 0, 0);
        ui.lblStatus->setText(text);
        platform_.doEvents();
        if (text.isEmpty()) {
            return;
        }
        for (int k = 1; k <= kStatusFadeSteps; ++k) {
            const Rgb colour = statusFadeColour(k);
            setStatusColour(colour.red, colour.green, colour.blue);
            platform_.shortDelay(kStatusFadeWaitMs);
        }
    });
}

void FrmMain::setStatusColour(int red, int green, int blue) {
    QPalette palette = ui.lblStatus->palette();
    palette.setColor(QPalette::WindowText, QColor(red, green, blue));
    ui.lblStatus->setPalette(palette);
}

} // namespace quillan

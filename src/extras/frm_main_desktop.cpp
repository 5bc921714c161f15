// "Hide Desktop" / "Show Desktop": the cover window behind the table.
#include <QAction>

#include "app/frm_main.h"

namespace quillan {

namespace {

const QString kHideDesktop = QStringLiteral("Hide Desktop");
const QString kShowDesktop = QStringLiteral("Show Desktop");

} // namespace

// The caption is the record of the state; the flag follows it.
void FrmMain::mnuHide_Click() {
    trap("mnuHide_Click", [&] {
        if (menus.mnuHide->text() == kHideDesktop) {
            showDesktopCover();
            settings.prfHideDesktop = kTrue;
            menus.mnuHide->setText(kShowDesktop);
        } else {
            if (periphery.frmHide) {
                periphery.frmHide->hide();
            }
            settings.prfHideDesktop = kFalse;
            menus.mnuHide->setText(kHideDesktop);
        }
    });
}

// Loads the cover on its first showing; afterwards hiding only makes it invisible.
void FrmMain::showDesktopCover() {
    if (!periphery.frmHide) {
        periphery.frmHide = std::make_unique<FrmHide>(*this);
    }
    periphery.frmHide->showBehindTable();
}

} // namespace quillan

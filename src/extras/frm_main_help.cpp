// The Help menu: the help file at its contents page, and the About box.
#include "app/frm_main.h"

namespace quillan {

void FrmMain::mnuContents_Click() {
    trap("mnuContents_Click", [&] {
        const QString file =
            helpFile.isEmpty() ? programFolder() + QStringLiteral("/felton.hlp") : helpFile;
        platform_.showHelp(file);
    });
}

// Modeless; a second choice while the box is open brings that one to the front.
void FrmMain::mnuAbout_Click() {
    trap("mnuAbout_Click", [&] {
        if (periphery.frmAbout.isNull()) {
            periphery.frmAbout = new FrmAbout(this);
        }
        periphery.frmAbout->show();
        periphery.frmAbout->raise();
        periphery.frmAbout->activateWindow();
    });
}

} // namespace quillan

#pragma once
// The main window's own secondary windows: the desktop cover (kept from its first showing
// until the program ends) and the About box (while it is open).

#include <QPointer>
#include <memory>

#include "extras/frm_about.h"
#include "extras/frm_hide.h"

namespace quillan {

struct PeripheryWindows {
    std::unique_ptr<FrmHide> frmHide; // a top-level window of its own, behind the table
    QPointer<FrmAbout> frmAbout;      // owned by the main window; null once unloaded
};

} // namespace quillan

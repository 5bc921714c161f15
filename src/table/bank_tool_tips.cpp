#include "table/bank_tool_tips.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include "app/frm_main.h"
#include "table/table_canvas.h"

namespace quillan {

QString bankToolTipAt(const FrmMain& w, const QPoint& at) {
    if (isSet(w.settings.isPoker)) {
        return {};
    }
    if (w.table.lblBankPlayer->geometry().contains(at)) {
        return QStringLiteral("Your bank");
    }
    if (w.table.lblBankComputer->geometry().contains(at)) {
        return QStringLiteral("Computer's bank");
    }
    return {};
}

BankToolTips::BankToolTips(FrmMain& main) : QObject(&main), main_(main) {
    main.ui.table->installEventFilter(this);
}

bool BankToolTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || watched != main_.ui.table) {
        return false;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = bankToolTipAt(main_, help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, main_.ui.table);
    }
    return true;
}

} // namespace quillan

#include "extras/frm_hide.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace quillan {

namespace {

const QColor kTopColour(18, 46, 34);
const QColor kBottomColour(6, 18, 13);

} // namespace

FrmHide::FrmHide(QWidget& table)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      table_(&table) {
    setWindowTitle(table.windowTitle());
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void FrmHide::showBehindTable() {
    const QScreen* screen = table_->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        setGeometry(screen->geometry());
    }
    show();
    passFocusToTable();
}

bool FrmHide::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        passFocusToTable();
        return true;
    default:
        return QWidget::event(event);
    }
}

void FrmHide::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0.0, kTopColour);
    shade.setColorAt(1.0, kBottomColour);
    painter.fillRect(rect(), shade);
}

void FrmHide::passFocusToTable() {
    if (table_->isVisible()) {
        table_->raise();
        table_->activateWindow();
    }
}

} // namespace quillan

#include "app/table_widget.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QPainter>

#include "app/frm_main.h"

namespace quillan {

namespace {
constexpr int kStatusHeight = 22;
constexpr int kStatusMargin = 12;
} // namespace

TableWidget::TableWidget(FrmMain& owner) : QWidget(&owner), owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 96, 48));
    if (!owner_.ui.thePic.isNull()) {
        painter.drawPixmap(0, 0, owner_.ui.thePic);
    }
}

void TableWidget::contextMenuEvent(QContextMenuEvent* event) {
    owner_.popUpActionMenu(event->globalPos());
}

void TableWidget::resizeEvent(QResizeEvent*) {
    if (QLabel* status = owner_.ui.lblStatus) {
        status->setGeometry(kStatusMargin, height() - kStatusHeight - kStatusMargin / 2,
                            width() - 2 * kStatusMargin, kStatusHeight);
    }
}

} // namespace quillan

#include "poker/pay_row_label.h"

#include <QPainter>

namespace quillan {

PayRowLabel::PayRowLabel(const QString& caption, int pays, QWidget* parent)
    : QLabel(caption, parent), amount_(pays > 0 ? QString::number(pays) : QString()) {}

void PayRowLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (amount_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    painter.drawText(contentsRect().adjusted(0, 0, -kAmountMargin, 0),
                     Qt::AlignRight | Qt::AlignVCenter, amount_);
}

} // namespace quillan

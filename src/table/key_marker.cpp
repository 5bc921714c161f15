#include "table/key_marker.h"

#include <QPainter>
#include <QPainterPath>

namespace quillan {

namespace {

const QColor kFill(255, 214, 0);
const QColor kEdge(40, 24, 0);

} // namespace

KeyMarker::KeyMarker(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("keyMarker"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(kWidth, kHeight);
    hide();
}

void KeyMarker::pointAt(int left, int right, int tipY) {
    const QPoint at((left + right) / 2 - kWidth / 2, tipY - kHeight + 1);
    if (pos() != at) {
        move(at);
    }
    if (isHidden()) {
        show();
        raise();
    }
}

// A triangle pointing down at the card.
void KeyMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(0.5, 0.5);
    arrow.lineTo(kWidth - 0.5, 0.5);
    arrow.lineTo(kWidth / 2.0, kHeight - 0.5);
    arrow.closeSubpath();
    painter.setPen(QPen(kEdge, 1.0));
    painter.setBrush(kFill);
    painter.drawPath(arrow);
}

} // namespace quillan

// Suit symbols as vector paths, so they look the same on every machine.
#include "platform/card_art.h"

#include <QTransform>

namespace quillan::card_art {
namespace {

QPainterPath heart() {
    QPainterPath h;
    h.moveTo(0.5, 1.0);
    h.cubicTo(0.38, 0.80, 0.0, 0.62, 0.0, 0.31);
    h.cubicTo(0.0, 0.10, 0.14, 0.0, 0.27, 0.0);
    h.cubicTo(0.40, 0.0, 0.48, 0.09, 0.5, 0.19);
    h.cubicTo(0.52, 0.09, 0.60, 0.0, 0.73, 0.0);
    h.cubicTo(0.86, 0.0, 1.0, 0.10, 1.0, 0.31);
    h.cubicTo(1.0, 0.62, 0.62, 0.80, 0.5, 1.0);
    h.closeSubpath();
    return h;
}

QPainterPath diamond() {
    QPainterPath d;
    d.moveTo(0.5, 0.0);
    d.quadTo(0.68, 0.27, 0.92, 0.5);
    d.quadTo(0.68, 0.73, 0.5, 1.0);
    d.quadTo(0.32, 0.73, 0.08, 0.5);
    d.quadTo(0.32, 0.27, 0.5, 0.0);
    d.closeSubpath();
    return d;
}

QPainterPath stem() {
    QPainterPath s;
    s.moveTo(0.46, 0.60);
    s.cubicTo(0.46, 0.82, 0.38, 0.94, 0.24, 1.0);
    s.lineTo(0.76, 1.0);
    s.cubicTo(0.62, 0.94, 0.54, 0.82, 0.54, 0.60);
    s.closeSubpath();
    return s;
}

QPainterPath spade() {
    QPainterPath s;
    s.moveTo(0.5, 0.0);
    s.cubicTo(0.62, 0.18, 1.0, 0.36, 1.0, 0.58);
    s.cubicTo(1.0, 0.76, 0.86, 0.82, 0.74, 0.82);
    s.cubicTo(0.62, 0.82, 0.55, 0.76, 0.5, 0.68);
    s.cubicTo(0.45, 0.76, 0.38, 0.82, 0.26, 0.82);
    s.cubicTo(0.14, 0.82, 0.0, 0.76, 0.0, 0.58);
    s.cubicTo(0.0, 0.36, 0.38, 0.18, 0.5, 0.0);
    s.closeSubpath();
    return s.united(stem());
}

QPainterPath club() {
    QPainterPath c;
    c.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
    c.addEllipse(QPointF(0.245, 0.57), 0.23, 0.23);
    c.addEllipse(QPointF(0.755, 0.57), 0.23, 0.23);
    c.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
    c.setFillRule(Qt::WindingFill);
    return c.simplified().united(stem());
}

} // namespace

QPainterPath suitPath(int suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
    case kClubs:
        unit = club();
        break;
    case kDiamonds:
        unit = diamond();
        break;
    case kHearts:
        unit = heart();
        break;
    default:
        unit = spade();
        break;
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t.map(unit);
}

QColor suitColour(int suit) {
    return (suit == kDiamonds || suit == kHearts) ? QColor(0xC4, 0x12, 0x2B)
                                                  : QColor(0x16, 0x16, 0x1C);
}

void paintPip(QPainter& p, int suit, QPointF centre, qreal w, qreal h, bool flipped) {
    p.save();
    p.translate(centre);
    if (flipped) {
        p.rotate(180.0);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(suitPath(suit, QRectF(-w / 2, -h / 2, w, h)));
    p.restore();
}

QPainterPath cardOutline() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0), 4.0, 4.0);
    return path;
}

void paintBlankCard(QPainter& p, const QColor& fill) {
    p.save();
    p.setPen(QPen(QColor(0x50, 0x50, 0x58), 1.0));
    p.setBrush(fill);
    p.drawPath(cardOutline());
    p.restore();
}

} // namespace quillan::card_art

// The rank letters and numbers of the corner index, drawn as strokes of our own rather than
// with a font: they must stay narrow enough for the strip a card shows in a tightly spaced
// hand, and look the same on every machine.
#include <QTransform>

#include "platform/card_art.h"

namespace quillan::card_art {
namespace {

// Each glyph is a centre line in a unit box (x and y from 0 to 1, y downwards).

QPainterPath ace() {
    QPainterPath g;
    g.moveTo(0.0, 1.0);
    g.lineTo(0.5, 0.0);
    g.lineTo(1.0, 1.0);
    g.moveTo(0.2, 0.66);
    g.lineTo(0.8, 0.66);
    return g;
}

QPainterPath two() {
    QPainterPath g;
    g.moveTo(0.02, 0.24);
    g.cubicTo(0.08, -0.06, 0.98, -0.08, 0.98, 0.29);
    g.cubicTo(0.98, 0.52, 0.3, 0.72, 0.0, 1.0);
    g.lineTo(1.0, 1.0);
    return g;
}

QPainterPath three() {
    QPainterPath g;
    g.moveTo(0.04, 0.14);
    g.cubicTo(0.3, -0.08, 0.98, -0.04, 0.96, 0.25);
    g.cubicTo(0.94, 0.44, 0.7, 0.47, 0.36, 0.47);
    g.moveTo(0.36, 0.47);
    g.cubicTo(0.76, 0.47, 1.0, 0.55, 1.0, 0.73);
    g.cubicTo(1.0, 1.06, 0.26, 1.08, 0.0, 0.86);
    return g;
}

QPainterPath four() {
    QPainterPath g;
    g.moveTo(0.76, 1.0);
    g.lineTo(0.76, 0.0);
    g.lineTo(0.0, 0.7);
    g.lineTo(1.0, 0.7);
    return g;
}

QPainterPath five() {
    QPainterPath g;
    g.moveTo(0.96, 0.0);
    g.lineTo(0.1, 0.0);
    g.lineTo(0.04, 0.45);
    g.cubicTo(0.3, 0.36, 1.0, 0.33, 1.0, 0.7);
    g.cubicTo(1.0, 1.06, 0.22, 1.08, 0.0, 0.87);
    return g;
}

QPainterPath six() {
    QPainterPath g;
    g.moveTo(0.92, 0.06);
    g.cubicTo(0.45, -0.1, 0.0, 0.14, 0.0, 0.66);
    g.addEllipse(QRectF(0.0, 0.38, 1.0, 0.62));
    return g;
}

QPainterPath seven() {
    QPainterPath g;
    g.moveTo(0.0, 0.0);
    g.lineTo(1.0, 0.0);
    g.cubicTo(0.62, 0.4, 0.42, 0.7, 0.36, 1.0);
    return g;
}

QPainterPath eight() {
    QPainterPath g;
    g.addEllipse(QRectF(0.08, 0.0, 0.84, 0.45));
    g.addEllipse(QRectF(0.0, 0.45, 1.0, 0.55));
    return g;
}

QPainterPath nine() {
    return QTransform(-1, 0, 0, -1, 1, 1).map(six());
}

// Ten is two figures in the width of one, so its strokes are drawn finer (see rankPen).
QPainterPath ten() {
    QPainterPath g;
    g.moveTo(-0.08, 0.14);
    g.lineTo(0.06, 0.0);
    g.lineTo(0.06, 1.0);
    g.addEllipse(QRectF(0.4, 0.0, 0.64, 1.0));
    return g;
}

QPainterPath jack() {
    QPainterPath g;
    g.moveTo(0.3, 0.0);
    g.lineTo(0.86, 0.0);
    g.moveTo(0.72, 0.0);
    g.lineTo(0.72, 0.7);
    g.cubicTo(0.72, 1.06, 0.08, 1.08, 0.0, 0.74);
    return g;
}

QPainterPath queen() {
    QPainterPath g;
    g.addEllipse(QRectF(0.0, 0.0, 1.0, 0.86));
    g.moveTo(0.56, 0.66);
    g.lineTo(1.0, 1.0);
    return g;
}

QPainterPath king() {
    QPainterPath g;
    g.moveTo(0.04, 0.0);
    g.lineTo(0.04, 1.0);
    g.moveTo(1.0, 0.0);
    g.lineTo(0.04, 0.64);
    g.moveTo(0.36, 0.43);
    g.lineTo(1.0, 1.0);
    return g;
}

QPainterPath unitGlyph(int rank) {
    switch (rank) {
    case 1:
        return ace();
    case 2:
        return two();
    case 3:
        return three();
    case 4:
        return four();
    case 5:
        return five();
    case 6:
        return six();
    case 7:
        return seven();
    case 8:
        return eight();
    case 9:
        return nine();
    case 10:
        return ten();
    case 11:
        return jack();
    case 12:
        return queen();
    default:
        return king();
    }
}

} // namespace

QPainterPath rankOutline(int rank, const QRectF& box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t.map(unitGlyph(rank));
}

QPen rankPen(int rank, const QColor& colour) {
    return QPen(colour, rank == 10 ? 1.2 : 1.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
}

} // namespace quillan::card_art

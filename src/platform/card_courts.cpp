// The jack, queen and king: a framed, double-ended figure of our own design.
#include "platform/card_art.h"

#include <cmath>

namespace quillan::card_art {
namespace {

constexpr QRectF kFrame(16.5, 7.5, 38.0, 81.0);
constexpr qreal kHalfW = 38.0;
constexpr qreal kHalfH = 40.5;

const QColor kFlesh(0xF4, 0xD3, 0xA8);
const QColor kGold(0xE3, 0xB2, 0x2E);
const QColor kInk(0x22, 0x1E, 0x1A);

struct Palette {
    QColor robe;
    QColor trim;
};

Palette paletteFor(int rank, int suit) {
    const bool red = suit == kDiamonds || suit == kHearts;
    switch (rank) {
    case 11:
        return {red ? QColor(0x2E, 0x7D, 0x4F) : QColor(0xB0, 0x26, 0x30),
                red ? QColor(0xC4, 0x12, 0x2B) : QColor(0x2C, 0x4C, 0x9C)};
    case 12:
        return {red ? QColor(0x2C, 0x4C, 0x9C) : QColor(0x7A, 0x2E, 0x8E),
                red ? QColor(0xC4, 0x12, 0x2B) : QColor(0x2E, 0x7D, 0x4F)};
    default:
        return {red ? QColor(0xB0, 0x26, 0x30) : QColor(0x2C, 0x4C, 0x9C),
                red ? QColor(0x2E, 0x7D, 0x4F) : QColor(0xC4, 0x12, 0x2B)};
    }
}

void paintFaceAndEyes(QPainter& p) {
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(kFlesh);
    p.drawEllipse(QPointF(19.0, 14.5), 5.2, 6.2);
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(17.0, 13.8), 0.7, 0.7);
    p.drawEllipse(QPointF(21.0, 13.8), 0.7, 0.7);
    p.setPen(QPen(QColor(0xA0, 0x30, 0x30), 0.7));
    p.drawLine(QPointF(17.8, 17.6), QPointF(20.2, 17.6));
}

void paintRobe(QPainter& p, const Palette& colours) {
    QPainterPath robe;
    robe.moveTo(12.0, 21.0);
    robe.cubicTo(5.0, 22.0, 1.5, 26.0, 1.0, 32.0);
    robe.lineTo(1.0, kHalfH + 1.0);
    robe.lineTo(37.0, kHalfH + 1.0);
    robe.lineTo(37.0, 32.0);
    robe.cubicTo(36.5, 26.0, 33.0, 22.0, 26.0, 21.0);
    robe.closeSubpath();
    p.setPen(QPen(kInk, 0.7));
    p.setBrush(colours.robe);
    p.drawPath(robe);
    // A tabard panel down the middle with gold edging.
    p.setBrush(colours.trim);
    p.setPen(QPen(kGold, 1.0));
    p.drawRect(QRectF(15.0, 24.0, 8.0, kHalfH - 23.0));
    p.setPen(QPen(kGold, 0.8));
    for (qreal y = 27.0; y < kHalfH; y += 4.0) {
        p.drawLine(QPointF(15.5, y), QPointF(22.5, y));
    }
}

void paintKing(QPainter& p, const Palette& colours) {
    // Sword behind the shoulder.
    p.setPen(QPen(QColor(0x8C, 0x92, 0x9C), 1.6));
    p.drawLine(QPointF(33.0, 6.0), QPointF(33.0, 38.0));
    p.setPen(QPen(kGold, 1.6));
    p.drawLine(QPointF(30.0, 11.0), QPointF(36.0, 11.0));
    paintRobe(p, colours);
    // Ermine collar.
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(9.0, 20.5, 20.0, 4.0), 2.0, 2.0);
    p.setBrush(kInk);
    for (qreal x = 11.5; x < 28.0; x += 4.0) {
        p.drawEllipse(QPointF(x, 22.5), 0.5, 0.5);
    }
    paintFaceAndEyes(p);
    // Beard.
    QPainterPath beard;
    beard.moveTo(13.8, 15.5);
    beard.cubicTo(14.0, 22.0, 17.0, 25.0, 19.0, 26.0);
    beard.cubicTo(21.0, 25.0, 24.0, 22.0, 24.2, 15.5);
    beard.cubicTo(22.0, 19.5, 16.0, 19.5, 13.8, 15.5);
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(QColor(0x8A, 0x5A, 0x2B));
    p.drawPath(beard);
    // Crown with three points and jewels.
    QPainterPath crown;
    crown.moveTo(12.5, 9.5);
    crown.lineTo(12.0, 2.0);
    crown.lineTo(15.5, 5.5);
    crown.lineTo(19.0, 0.5);
    crown.lineTo(22.5, 5.5);
    crown.lineTo(26.0, 2.0);
    crown.lineTo(25.5, 9.5);
    crown.closeSubpath();
    p.setBrush(kGold);
    p.drawPath(crown);
    p.setBrush(QColor(0xC4, 0x12, 0x2B));
    p.drawEllipse(QPointF(19.0, 7.0), 1.2, 1.2);
    p.setBrush(QColor(0x2C, 0x4C, 0x9C));
    p.drawEllipse(QPointF(14.5, 7.5), 0.9, 0.9);
    p.drawEllipse(QPointF(23.5, 7.5), 0.9, 0.9);
}

void paintQueen(QPainter& p, const Palette& colours) {
    // Long hair falling to the shoulders.
    QPainterPath hair;
    hair.moveTo(19.0, 6.0);
    hair.cubicTo(10.0, 6.0, 10.0, 18.0, 9.0, 25.0);
    hair.lineTo(29.0, 25.0);
    hair.cubicTo(28.0, 18.0, 28.0, 6.0, 19.0, 6.0);
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(QColor(0xC8, 0x8A, 0x2E));
    p.drawPath(hair);
    paintRobe(p, colours);
    paintFaceAndEyes(p);
    // Necklace.
    p.setPen(QPen(kGold, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13.0, 18.0, 12.0, 8.0), 200 * 16, 140 * 16);
    // Tiara: a gold band with three pearls.
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(13.0, 6.0, 12.0, 2.4), 1.0, 1.0);
    p.setBrush(Qt::white);
    for (const qreal x : {15.0, 19.0, 23.0}) {
        p.drawEllipse(QPointF(x, x == 19.0 ? 4.2 : 5.0), 1.2, 1.2);
    }
    // A rose held in the hand.
    p.setPen(QPen(QColor(0x2E, 0x7D, 0x4F), 1.0));
    p.drawLine(QPointF(7.0, 27.0), QPointF(11.0, 38.0));
    p.setPen(QPen(kInk, 0.4));
    p.setBrush(QColor(0xD8, 0x2A, 0x48));
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 72.0 * 3.14159265 / 180.0;
        p.drawEllipse(QPointF(7.0 + 1.7 * std::cos(a), 26.0 + 1.7 * std::sin(a)), 1.5, 1.5);
    }
    p.setBrush(kGold);
    p.drawEllipse(QPointF(7.0, 26.0), 0.9, 0.9);
}

void paintJack(QPainter& p, const Palette& colours) {
    // Halberd on the left.
    p.setPen(QPen(QColor(0x7A, 0x52, 0x2E), 1.4));
    p.drawLine(QPointF(33.0, 3.0), QPointF(33.0, 40.0));
    QPainterPath blade;
    blade.moveTo(33.0, 4.0);
    blade.cubicTo(38.0, 5.0, 38.0, 11.0, 33.0, 12.0);
    blade.closeSubpath();
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(QColor(0xB8, 0xBE, 0xC8));
    p.drawPath(blade);
    paintRobe(p, colours);
    // Short hair under the cap.
    p.setBrush(QColor(0x5A, 0x3A, 0x1E));
    p.drawEllipse(QPointF(19.0, 11.0), 6.3, 4.5);
    paintFaceAndEyes(p);
    // Flat cap with a feather.
    QPainterPath cap;
    cap.moveTo(11.0, 9.5);
    cap.cubicTo(11.0, 3.0, 27.0, 3.0, 28.0, 9.0);
    cap.cubicTo(22.0, 7.5, 16.0, 7.5, 11.0, 9.5);
    p.setBrush(colours.trim);
    p.drawPath(cap);
    QPainterPath feather;
    feather.moveTo(25.0, 6.0);
    feather.cubicTo(27.0, 2.0, 29.0, 1.0, 31.0, 0.5);
    feather.cubicTo(30.0, 3.5, 28.0, 6.0, 25.0, 6.0);
    p.setBrush(kGold);
    p.drawPath(feather);
    // Collar.
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(13.0, 21.0), QPointF(19.0, 25.0), QPointF(25.0, 21.0),
                            QPointF(19.0, 23.0)});
}

void paintHalf(QPainter& p, int rank, int suit) {
    const Palette colours = paletteFor(rank, suit);
    p.save();
    p.setClipRect(QRectF(0.0, 0.0, kHalfW, kHalfH));
    if (rank == 11) {
        paintJack(p, colours);
    } else if (rank == 12) {
        paintQueen(p, colours);
    } else {
        paintKing(p, colours);
    }
    p.restore();
    paintPip(p, suit, QPointF(5.0, 6.5), 6.5, 7.5);
}

} // namespace

void paintCourt(QPainter& p, int rank, int suit) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFB, 0xF4, 0xE0));
    p.drawRect(kFrame);
    p.translate(kFrame.topLeft());
    paintHalf(p, rank, suit);
    p.translate(kHalfW, 2.0 * kHalfH);
    p.rotate(180.0);
    paintHalf(p, rank, suit);
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suitColour(suit), 1.0));
    p.drawRect(kFrame);
    p.setPen(QPen(kGold, 0.6));
    p.drawLine(QPointF(kFrame.left(), kFrame.center().y()),
               QPointF(kFrame.right(), kFrame.center().y()));
    p.restore();
}

} // namespace quillan::card_art

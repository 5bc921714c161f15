// The two animated backs: Beach (a boat crosses the bay, the waves roll, the sun turns)
// and Sleeve (a card slides out of a magician's cuff).
#include "platform/card_back_designs.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace quillan::card_art::backs {
namespace {

constexpr qreal kPi = 3.14159265358979;

void sun(QPainter& p, QPointF c, int frame) {
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x30), 1.2));
    for (int i = 0; i < 8; ++i) {
        const qreal a = (i * 45.0 + frame * 11.25) * kPi / 180.0;
        p.drawLine(c + QPointF(7 * std::cos(a), 7 * std::sin(a)),
                   c + QPointF(10 * std::cos(a), 10 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x40));
    p.drawEllipse(c, 5.5, 5.5);
}

void sailboat(QPainter& p, QPointF at) {
    p.setPen(QPen(QColor(0x40, 0x2A, 0x18), 0.6));
    p.setBrush(QColor(0x8A, 0x4A, 0x22));
    p.drawPolygon(QPolygonF{at + QPointF(-5, 0), at + QPointF(5, 0), at + QPointF(3.5, 2.5),
                            at + QPointF(-3.5, 2.5)});
    p.drawLine(at, at + QPointF(0, -11));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{at + QPointF(0.5, -11), at + QPointF(0.5, -1), at + QPointF(6, -1)});
    p.setBrush(QColor(0xE0, 0x40, 0x30));
    p.drawPolygon(QPolygonF{at + QPointF(-0.5, -9), at + QPointF(-0.5, -1), at + QPointF(-4, -1)});
}

void palm(QPainter& p) {
    QPainterPath trunk;
    trunk.moveTo(10, 84);
    trunk.cubicTo(12, 66, 11, 50, 18, 36);
    trunk.lineTo(21, 37);
    trunk.cubicTo(15, 51, 16, 66, 15, 84);
    trunk.closeSubpath();
    p.setPen(QPen(QColor(0x50, 0x34, 0x18), 0.6));
    p.setBrush(QColor(0x9A, 0x6A, 0x38));
    p.drawPath(trunk);
    p.setPen(QPen(QColor(0x1E, 0x6A, 0x24), 2.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF crown(19.5, 36);
    for (const qreal a : {-160.0, -120.0, -75.0, -35.0, 5.0}) {
        const qreal r = a * kPi / 180.0;
        QPainterPath frond;
        frond.moveTo(crown);
        frond.quadTo(crown + QPointF(10 * std::cos(r), 10 * std::sin(r) - 4),
                     crown + QPointF(15 * std::cos(r), 15 * std::sin(r) + 5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(frond);
    }
}

} // namespace

void beach(QPainter& p, int frame) {
    QLinearGradient sky(0, 0, 0, 44);
    sky.setColorAt(0, QColor(0x5A, 0xA8, 0xE8));
    sky.setColorAt(1, QColor(0xC8, 0xE8, 0xF8));
    p.fillRect(QRectF(0, 0, kFieldW, 44), sky);
    sun(p, QPointF(47, 15), frame);
    QLinearGradient sea(0, 44, 0, 64);
    sea.setColorAt(0, QColor(0x1A, 0x6A, 0xB8));
    sea.setColorAt(1, QColor(0x3A, 0xB0, 0xC8));
    p.fillRect(QRectF(0, 44, kFieldW, 20), sea);
    sailboat(p, QPointF(10 + 14.0 * frame, 47));
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.setBrush(Qt::NoBrush);
    for (qreal y = 52; y < 64; y += 5) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (qreal x = 0; x <= kFieldW; x += 1.5) {
            wave.lineTo(x, y + 1.2 * std::sin((x + frame * 5.0 + y * 3) / 4.0));
        }
        p.drawPath(wave);
    }
    QPainterPath sand;
    sand.moveTo(0, 62 + frame % 2);
    sand.cubicTo(20, 60, 40, 66 - frame, kFieldW, 63);
    sand.lineTo(kFieldW, kFieldH);
    sand.lineTo(0, kFieldH);
    sand.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
    p.setBrush(QColor(0xF0, 0xD8, 0x98));
    p.drawPath(sand);
    palm(p);
}

void sleeve(QPainter& p, int frame) {
    QLinearGradient velvet(0, 0, kFieldW, kFieldH);
    velvet.setColorAt(0, QColor(0x4A, 0x10, 0x5A));
    velvet.setColorAt(1, QColor(0x1E, 0x06, 0x2A));
    p.fillRect(QRectF(0, 0, kFieldW, kFieldH), velvet);
    p.setPen(QPen(QColor(0xF0, 0xC8, 0x40, 90), 0.6));
    for (qreal d = -kFieldH; d < kFieldW; d += 8) {
        p.drawLine(QPointF(d, kFieldH), QPointF(d + kFieldH, 0));
    }
    p.save();
    p.translate(8, 80);
    p.rotate(-55);
    // The card slides further out of the cuff with every frame.
    const qreal out = 14.0 + 8.0 * frame;
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(30 + out - 22, -7, 22, 15), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC4, 0x12, 0x2B));
    p.drawEllipse(QPointF(30 + out - 11, 0.5), 3, 3);
    // Sleeve and its white cuff.
    p.setBrush(QColor(0x14, 0x14, 0x18));
    p.setPen(QPen(QColor(0x50, 0x50, 0x60), 0.6));
    p.drawRect(QRectF(-20, -11, 46, 22));
    p.setBrush(QColor(0xF4, 0xF0, 0xE8));
    p.drawRect(QRectF(24, -12, 7, 24));
    p.setBrush(QColor(0xE3, 0xB2, 0x2E));
    p.drawEllipse(QPointF(27.5, 0), 1.6, 1.6);
    p.restore();
    // Sparkles that move with the card.
    p.setPen(QPen(QColor(0xFF, 0xF0, 0xA0), 0.9));
    for (int i = 0; i < 3; ++i) {
        const QPointF s(22 + 9.0 * i + 3.0 * frame, 28 - 4.0 * i - 5.0 * frame + 7.0 * (i % 2));
        p.drawLine(s + QPointF(-2, 0), s + QPointF(2, 0));
        p.drawLine(s + QPointF(0, -2), s + QPointF(0, 2));
    }
}

} // namespace quillan::card_art::backs

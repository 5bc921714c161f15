// Picture backs: Robot, the two fish designs, Shell and Castle.
#include "platform/card_back_designs.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace quillan::card_art::backs {
namespace {

constexpr qreal kPi = 3.14159265358979;

void oneFish(QPainter& p, QPointF c, qreal len, bool facingLeft, const QColor& body) {
    p.save();
    p.translate(c);
    if (facingLeft) {
        p.scale(-1, 1);
    }
    QPainterPath tail;
    tail.moveTo(-0.35 * len, 0);
    tail.lineTo(-0.62 * len, -0.25 * len);
    tail.lineTo(-0.55 * len, 0);
    tail.lineTo(-0.62 * len, 0.25 * len);
    tail.closeSubpath();
    p.setPen(QPen(body.darker(170), 0.6));
    p.setBrush(body.darker(120));
    p.drawPath(tail);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 0.45 * len, 0.22 * len);
    p.setPen(QPen(Qt::white, 0.9));
    p.drawLine(QPointF(-0.05 * len, -0.18 * len), QPointF(-0.05 * len, 0.18 * len));
    p.drawLine(QPointF(-0.2 * len, -0.14 * len), QPointF(-0.2 * len, 0.14 * len));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0.25 * len, -0.04 * len), 0.07 * len, 0.07 * len);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0.27 * len, -0.04 * len), 0.035 * len, 0.035 * len);
    p.restore();
}

} // namespace

void robot(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kFieldH);
    sky.setColorAt(0, QColor(0x3A, 0x6E, 0xA8));
    sky.setColorAt(1, QColor(0x1A, 0x2E, 0x58));
    p.fillRect(QRectF(0, 0, kFieldW, kFieldH), sky);
    p.setPen(QPen(QColor(255, 255, 255, 40), 0.5));
    for (qreal v = 0; v < kFieldH; v += 6) {
        p.drawLine(QPointF(0, v), QPointF(kFieldW, v));
        p.drawLine(QPointF(v, 0), QPointF(v, kFieldH));
    }
    const QColor steel(0xC0, 0xC8, 0xD0);
    const QPen edge(QColor(0x30, 0x34, 0x3C), 0.8);
    p.setPen(edge);
    p.drawLine(QPointF(31.5, 14), QPointF(31.5, 6));
    p.setBrush(QColor(0xE8, 0x30, 0x30));
    p.drawEllipse(QPointF(31.5, 5), 2.2, 2.2);
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(19, 14, 25, 19), 3, 3); // head
    p.drawRect(QRectF(28, 33, 7, 3));                // neck
    p.drawRoundedRect(QRectF(14, 36, 35, 30), 3, 3); // body
    p.drawRoundedRect(QRectF(6, 38, 7, 24), 3, 3);   // arms
    p.drawRoundedRect(QRectF(50, 38, 7, 24), 3, 3);
    p.drawRect(QRectF(20, 66, 8, 14)); // legs
    p.drawRect(QRectF(35, 66, 8, 14));
    p.drawRoundedRect(QRectF(17, 79, 13, 5), 2, 2); // feet
    p.drawRoundedRect(QRectF(33, 79, 13, 5), 2, 2);
    p.setBrush(QColor(0xFF, 0xD8, 0x30));
    p.drawEllipse(QPointF(25.5, 21.5), 3.2, 3.2); // eyes
    p.drawEllipse(QPointF(37.5, 21.5), 3.2, 3.2);
    p.setBrush(QColor(0x30, 0x34, 0x3C));
    p.drawRect(QRectF(24, 27, 15, 3)); // mouth grille
    p.setPen(QPen(steel, 0.6));
    for (qreal x = 27; x < 39; x += 3) {
        p.drawLine(QPointF(x, 27), QPointF(x, 30));
    }
    p.setPen(edge);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 46), 5, 5); // dial
    p.drawLine(QPointF(24, 46), QPointF(27, 43));
    const std::array<QColor, 3> lamps{QColor(0xE8, 0x30, 0x30), QColor(0x30, 0xD0, 0x50),
                                      QColor(0xFF, 0xD8, 0x30)};
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(35 + 4.5 * static_cast<qreal>(i), 43), 1.6, 1.6);
    }
    p.setBrush(QColor(0x70, 0x78, 0x84));
    p.drawRect(QRectF(19, 55, 25, 7));
}

void fish(QPainter& p, const QColor& water, const QColor& deep) {
    QLinearGradient g(0, 0, 0, kFieldH);
    g.setColorAt(0, water);
    g.setColorAt(1, deep);
    p.fillRect(QRectF(0, 0, kFieldW, kFieldH), g);
    p.setPen(QPen(QColor(255, 255, 255, 70), 0.7));
    p.setBrush(Qt::NoBrush);
    for (qreal y = 8; y < kFieldH; y += 14) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (qreal x = 0; x <= kFieldW; x += 2) {
            wave.lineTo(x, y + 1.5 * std::sin(x / 5.0 + y));
        }
        p.drawPath(wave);
    }
    oneFish(p, QPointF(22, 20), 24, false, QColor(0xFF, 0x8C, 0x1A));
    oneFish(p, QPointF(42, 44), 28, true, QColor(0xFF, 0xD2, 0x2E));
    oneFish(p, QPointF(20, 68), 22, false, QColor(0xF0, 0x5A, 0x6A));
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.7));
    for (const QPointF b : {QPointF(36, 12), QPointF(39, 7), QPointF(12, 40), QPointF(50, 62),
                            QPointF(53, 56), QPointF(35, 80)}) {
        p.drawEllipse(b, 1.6, 1.6);
    }
    p.setPen(QPen(QColor(0x2A, 0x90, 0x3A), 1.5));
    for (qreal x : {6.0, 56.0}) {
        QPainterPath weed;
        weed.moveTo(x, kFieldH);
        for (qreal y = kFieldH; y > kFieldH - 26; y -= 2) {
            weed.lineTo(x + 2 * std::sin(y / 3.0), y);
        }
        p.drawPath(weed);
    }
}

void shell(QPainter& p) {
    QRadialGradient sand(QPointF(31.5, 44), 55);
    sand.setColorAt(0, QColor(0xF8, 0xE4, 0xC4));
    sand.setColorAt(1, QColor(0xD8, 0xA8, 0x78));
    p.fillRect(QRectF(0, 0, kFieldW, kFieldH), sand);
    const QPointF hinge(31.5, 66);
    constexpr qreal kRadius = 36;
    constexpr int kRibs = 9;
    QPainterPath outline;
    outline.moveTo(hinge);
    for (int i = 0; i <= kRibs; ++i) {
        const qreal a = (200.0 + 140.0 * i / kRibs) * kPi / 180.0;
        const QPointF tip = hinge + QPointF(kRadius * std::cos(a), kRadius * std::sin(a));
        if (i == 0) {
            outline.lineTo(tip);
        } else {
            const qreal mid = (200.0 + 140.0 * (i - 0.5) / kRibs) * kPi / 180.0;
            outline.quadTo(
                hinge + QPointF((kRadius + 5) * std::cos(mid), (kRadius + 5) * std::sin(mid)), tip);
        }
    }
    outline.closeSubpath();
    QRadialGradient body(hinge, kRadius + 4);
    body.setColorAt(0, QColor(0xFF, 0xF0, 0xE0));
    body.setColorAt(1, QColor(0xF0, 0x8A, 0x70));
    p.setPen(QPen(QColor(0x9A, 0x4A, 0x3A), 1.0));
    p.setBrush(body);
    p.drawPath(outline);
    p.setPen(QPen(QColor(0xB0, 0x5A, 0x48), 0.8));
    for (int i = 0; i <= kRibs; ++i) {
        const qreal a = (200.0 + 140.0 * i / kRibs) * kPi / 180.0;
        p.drawLine(hinge, hinge + QPointF(kRadius * std::cos(a), kRadius * std::sin(a)));
    }
    p.setBrush(QColor(0xF0, 0xA8, 0x88));
    p.drawPolygon(QPolygonF{hinge + QPointF(-9, 0), hinge + QPointF(9, 0), hinge + QPointF(6, 9),
                            hinge + QPointF(-6, 9)});
}

void castle(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kFieldH);
    sky.setColorAt(0, QColor(0x10, 0x14, 0x40));
    sky.setColorAt(1, QColor(0x5A, 0x3A, 0x78));
    p.fillRect(QRectF(0, 0, kFieldW, kFieldH), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF4, 0xC0));
    for (const QPointF s : {QPointF(8, 8), QPointF(20, 4), QPointF(33, 12), QPointF(57, 22),
                            QPointF(5, 26), QPointF(27, 24)}) {
        p.drawEllipse(s, 0.8, 0.8);
    }
    p.drawEllipse(QPointF(49, 11), 6, 6);
    p.setBrush(sky);
    p.drawEllipse(QPointF(52, 9), 5.5, 5.5);
    p.setBrush(QColor(0x2A, 0x5A, 0x2A));
    p.drawEllipse(QRectF(-20, 74, 103, 40));
    const QColor stone(0xA8, 0xA4, 0x98);
    p.setPen(QPen(QColor(0x3A, 0x38, 0x34), 0.7));
    p.setBrush(stone);
    p.drawRect(QRectF(14, 48, 35, 30)); // wall
    for (qreal x = 14; x < 49; x += 7) {
        p.drawRect(QRectF(x, 44, 3.5, 4));
    }
    for (const qreal x : {6.0, 45.0}) { // towers
        p.setBrush(stone);
        p.drawRect(QRectF(x, 36, 12, 42));
        p.setBrush(QColor(0xB8, 0x2A, 0x2A));
        p.drawPolygon(QPolygonF{QPointF(x - 2, 36), QPointF(x + 14, 36), QPointF(x + 6, 20)});
        p.setBrush(QColor(0xFF, 0xD0, 0x50));
        p.drawRoundedRect(QRectF(x + 4, 44, 4, 6), 2, 2);
    }
    p.drawLine(QPointF(51, 20), QPointF(51, 13));
    p.setBrush(QColor(0xF0, 0xD0, 0x40));
    p.drawPolygon(QPolygonF{QPointF(51, 13), QPointF(57, 15), QPointF(51, 17)});
    p.setBrush(QColor(0x3A, 0x2A, 0x1A));
    QPainterPath gate;
    gate.moveTo(26, 78);
    gate.lineTo(26, 66);
    gate.arcTo(QRectF(26, 61, 11, 10), 180, -180);
    gate.lineTo(37, 78);
    gate.closeSubpath();
    p.drawPath(gate);
    p.setBrush(QColor(0xFF, 0xD0, 0x50));
    p.drawRect(QRectF(19, 54, 3, 4));
    p.drawRect(QRectF(41, 54, 3, 4));
}

} // namespace quillan::card_art::backs

// Pattern backs: Hatch, Plaid, Weave, Roses and the two ivy designs.
#include "platform/card_back_designs.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace quillan::card_art::backs {
namespace {

constexpr qreal kPi = 3.14159265358979;

void fillField(QPainter& p, const QColor& colour) {
    p.fillRect(QRectF(0, 0, kFieldW, kFieldH), colour);
}

void rose(QPainter& p, QPointF c, qreal r) {
    p.save();
    p.translate(c);
    p.setPen(QPen(QColor(0x5A, 0x08, 0x14), 0.5));
    p.setBrush(QColor(0xB0, 0x14, 0x2C));
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2.0 * kPi / 5.0;
        p.drawEllipse(QPointF(0.55 * r * std::cos(a), 0.55 * r * std::sin(a)), 0.5 * r, 0.5 * r);
    }
    p.setBrush(QColor(0xD8, 0x2A, 0x48));
    p.drawEllipse(QPointF(0, 0), 0.62 * r, 0.62 * r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x70, 0x0A, 0x1C), 0.7));
    for (int i = 0; i < 3; ++i) {
        const qreal s = 0.5 * r - i * 0.15 * r;
        p.drawArc(QRectF(-s, -s, 2 * s, 2 * s), (40 + 110 * i) * 16, 230 * 16);
    }
    p.restore();
}

void leaf(QPainter& p, QPointF c, qreal length, qreal angle, const QColor& colour) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath l;
    l.moveTo(0, 0);
    l.cubicTo(length * 0.3, -length * 0.35, length * 0.8, -length * 0.2, length, 0);
    l.cubicTo(length * 0.8, length * 0.2, length * 0.3, length * 0.35, 0, 0);
    p.setPen(QPen(colour.darker(160), 0.5));
    p.setBrush(colour);
    p.drawPath(l);
    p.drawLine(QPointF(0, 0), QPointF(length * 0.85, 0));
    p.restore();
}

// An ivy leaf: five pointed lobes round a heart-shaped base.
void ivyLeaf(QPainter& p, QPointF c, qreal size, qreal angle) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath l;
    l.moveTo(0, 0);
    l.lineTo(-0.45 * size, 0.05 * size);
    l.lineTo(-0.5 * size, -0.35 * size);
    l.lineTo(-0.2 * size, -0.45 * size);
    l.lineTo(0, -size);
    l.lineTo(0.2 * size, -0.45 * size);
    l.lineTo(0.5 * size, -0.35 * size);
    l.lineTo(0.45 * size, 0.05 * size);
    l.closeSubpath();
    p.setPen(QPen(QColor(0x1C, 0x50, 0x1C), 0.5));
    p.setBrush(QColor(0x46, 0xA0, 0x3E));
    p.drawPath(l);
    p.setPen(QPen(QColor(0xB8, 0xE0, 0x90), 0.5));
    p.drawLine(QPointF(0, 0), QPointF(0, -0.8 * size));
    p.drawLine(QPointF(0, -0.2 * size), QPointF(-0.38 * size, -0.3 * size));
    p.drawLine(QPointF(0, -0.2 * size), QPointF(0.38 * size, -0.3 * size));
    p.restore();
}

} // namespace

// Hatch: a fine pale lattice on white round a small diamond, inside a thin frame. The table
// also lays this design on an empty card place with white letting the cloth show through
// (the caller paints it unsmoothed, see paintBack), so it keeps to a few hairlines on pure
// white.
void hatch(QPainter& p) {
    fillField(p, Qt::white);
    const QColor ink(0x80, 0x9C, 0xD8);
    const QRectF frame(2.0, 2.0, kFieldW - 5.0, kFieldH - 5.0);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.0));
    p.drawRect(frame);
    p.setClipRect(frame.adjusted(1.0, 1.0, 0.0, 0.0), Qt::IntersectClip);
    // Hairlines: one device pixel wide at every pixel ratio.
    p.setPen(QPen(QColor(0xA0, 0xB6, 0xE2), 0.0));
    constexpr qreal kPitch = 12.0;
    for (qreal d = -kFieldH + 3.5; d < kFieldW + kFieldH; d += kPitch) {
        p.drawLine(QPointF(d, 0), QPointF(d + kFieldH, kFieldH));
        p.drawLine(QPointF(d, kFieldH), QPointF(d + kFieldH, 0));
    }
    p.setPen(QPen(ink, 1.0));
    const QPointF c(kFieldW / 2.0, kFieldH / 2.0);
    p.setBrush(Qt::white);
    for (const qreal r : {9.0, 5.0}) {
        p.drawPolygon(QPolygonF{c + QPointF(0, -1.4 * r), c + QPointF(r, 0),
                                c + QPointF(0, 1.4 * r), c + QPointF(-r, 0)});
    }
    p.restore();
}

void plaid(QPainter& p) {
    fillField(p, QColor(0xA8, 0x1C, 0x28));
    struct Band {
        qreal offset;
        qreal width;
        QColor colour;
    };
    const std::array bands{Band{0, 7, QColor(0x10, 0x50, 0x2C, 150)},
                           Band{10, 3, QColor(0x10, 0x18, 0x50, 170)},
                           Band{16, 1, QColor(0xF0, 0xD0, 0x40, 200)}};
    p.setPen(Qt::NoPen);
    for (qreal tile = -2; tile < kFieldH; tile += 21) {
        for (const Band& b : bands) {
            p.setBrush(b.colour);
            p.drawRect(QRectF(tile + b.offset, 0, b.width, kFieldH));
            p.drawRect(QRectF(0, tile + b.offset, kFieldW, b.width));
        }
    }
    // Twill: fine diagonal threads.
    p.setPen(QPen(QColor(0, 0, 0, 28), 0.5));
    for (qreal d = -kFieldH; d < kFieldW; d += 2.0) {
        p.drawLine(QPointF(d, kFieldH), QPointF(d + kFieldH, 0));
    }
}

void weave(QPainter& p) {
    fillField(p, QColor(0x4A, 0x30, 0x18));
    constexpr qreal kCell = 10.5;
    constexpr qreal kStrip = kCell / 3.0;
    for (int row = 0; row * kCell < kFieldH; ++row) {
        for (int col = 0; col * kCell < kFieldW; ++col) {
            const bool across = (row + col) % 2 == 0;
            for (int s = 0; s < 3; ++s) {
                QRectF strip = across ? QRectF(col * kCell + 0.4, row * kCell + s * kStrip + 0.4,
                                               kCell - 0.8, kStrip - 0.8)
                                      : QRectF(col * kCell + s * kStrip + 0.4, row * kCell + 0.4,
                                               kStrip - 0.8, kCell - 0.8);
                QLinearGradient g(strip.topLeft(), across ? strip.bottomLeft() : strip.topRight());
                g.setColorAt(0, QColor(0xE8, 0xC8, 0x88));
                g.setColorAt(1, QColor(0x9A, 0x6A, 0x32));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawRoundedRect(strip, 1, 1);
            }
        }
    }
}

void roses(QPainter& p) {
    fillField(p, QColor(0x1C, 0x42, 0x28));
    p.setPen(QPen(QColor(0xF0, 0xE6, 0xC8, 60), 0.6));
    for (qreal d = -kFieldH; d < kFieldW + kFieldH; d += 9.0) {
        p.drawLine(QPointF(d, 0), QPointF(d + kFieldH, kFieldH));
        p.drawLine(QPointF(d, kFieldH), QPointF(d + kFieldH, 0));
    }
    const QColor green(0x4C, 0x8C, 0x3A);
    const std::array<QPointF, 5> spots{QPointF(16, 17), QPointF(47, 30), QPointF(18, 50),
                                       QPointF(46, 68), QPointF(14, 84)};
    for (std::size_t i = 0; i < spots.size(); ++i) {
        leaf(p, spots[i] + QPointF(4, 4), 12, 35 + 50.0 * static_cast<qreal>(i % 2), green);
        leaf(p, spots[i] + QPointF(-4, 3), 11, 150, green);
        rose(p, spots[i], i % 2 == 0 ? 9.0 : 8.0);
    }
}

void ivy(QPainter& p, const QColor& ground) {
    fillField(p, ground);
    for (int vine = 0; vine < 2; ++vine) {
        const qreal base = vine == 0 ? 18.0 : 45.0;
        const qreal phase = vine == 0 ? 0.0 : kPi;
        QPainterPath stem;
        stem.moveTo(base, kFieldH + 2);
        for (qreal y = kFieldH; y >= -2; y -= 2) {
            stem.lineTo(base + 8 * std::sin(y / 11.0 + phase), y);
        }
        p.setPen(QPen(QColor(0x6A, 0x5A, 0x2A), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        int side = vine;
        for (qreal y = kFieldH - 6; y > 0; y -= 11) {
            const qreal x = base + 8 * std::sin(y / 11.0 + phase);
            const qreal dir = side++ % 2 == 0 ? -1.0 : 1.0;
            ivyLeaf(p, QPointF(x + dir * 2, y), 9.5, dir * 60.0);
        }
    }
}

} // namespace quillan::card_art::backs

// Custom card-back pictures for pics/backs: a compass rose, a sunburst and a tile mosaic.
#include <QConicalGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "make_assets/backgrounds.h"
#include "make_assets/paint_kit.h"

namespace make_assets {
namespace {

constexpr int kBackW = 142;
constexpr int kBackH = 192;
constexpr double kPi = 3.14159265358979;

QImage framed(const QColor& field, const QColor& edge) {
    QImage image(kBackW, kBackH, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 3));
    p.setBrush(field);
    p.drawRoundedRect(QRectF(7, 7, kBackW - 14, kBackH - 14), 6, 6);
    return image;
}

} // namespace

QImage compassBack() {
    QImage image = framed(QColor(0x1A, 0x3A, 0x5A), QColor(0xC8, 0xA0, 0x50));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kBackW / 2.0, kBackH / 2.0);
    p.setPen(QPen(QColor(0xC8, 0xA0, 0x50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 52, 52);
    p.drawEllipse(c, 44, 44);
    for (int i = 0; i < 16; ++i) {
        const double a = i * kPi / 8;
        const double len = i % 4 == 0 ? 56 : (i % 2 == 0 ? 40 : 28);
        const QPointF tip = c + QPointF(len * std::sin(a), -len * std::cos(a));
        const QPointF left = c + QPointF(8 * std::sin(a - kPi / 2), -8 * std::cos(a - kPi / 2));
        const QPointF right = c + QPointF(8 * std::sin(a + kPi / 2), -8 * std::cos(a + kPi / 2));
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
        p.setBrush(i % 2 == 0 ? QColor(0xF0, 0xE6, 0xC8) : QColor(0xC8, 0xA0, 0x50));
        p.drawPolygon(QPolygonF{left, tip, c});
        p.setBrush(i % 2 == 0 ? QColor(0xB0, 0x2A, 0x2A) : QColor(0x8A, 0x6A, 0x2A));
        p.drawPolygon(QPolygonF{right, tip, c});
    }
    return image;
}

QImage sunburstBack() {
    QImage image = framed(QColor(0xE8, 0x8A, 0x20), QColor(0x8A, 0x2A, 0x10));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath field;
    field.addRoundedRect(QRectF(9, 9, kBackW - 18, kBackH - 18), 5, 5);
    p.setClipPath(field);
    const QPointF c(kBackW / 2.0, kBackH / 2.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        const double a0 = i * 2 * kPi / 24;
        const double a1 = a0 + kPi / 24;
        p.setBrush(i % 2 == 0 ? QColor(0xF8, 0xC8, 0x40) : QColor(0xD8, 0x5A, 0x20));
        p.drawPolygon(QPolygonF{c, c + QPointF(200 * std::cos(a0), 200 * std::sin(a0)),
                                c + QPointF(200 * std::cos(a1), 200 * std::sin(a1))});
    }
    QRadialGradient sun(c, 30);
    sun.setColorAt(0, QColor(0xFF, 0xFA, 0xD0));
    sun.setColorAt(1, QColor(0xF8, 0xB8, 0x30));
    p.setBrush(sun);
    p.setPen(QPen(QColor(0x8A, 0x2A, 0x10), 2));
    p.drawEllipse(c, 28, 28);
    return image;
}

QImage mosaicBack() {
    QImage image = framed(QColor(0x20, 0x5A, 0x50), QColor(0x10, 0x30, 0x2A));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const std::array colours{QColor(0x2A, 0x8A, 0x7A), QColor(0xE8, 0xD8, 0xB0),
                             QColor(0x1A, 0x4A, 0x7A), QColor(0xC8, 0x6A, 0x3A)};
    constexpr double kTile = 12;
    for (int row = 0; row < 14; ++row) {
        for (int col = 0; col < 10; ++col) {
            const double x = 12 + col * kTile;
            const double y = 12 + row * kTile;
            const int d = std::abs(col * 2 - 9) + std::abs(row * 2 - 13);
            p.setPen(QPen(QColor(0x10, 0x30, 0x2A), 1.2));
            p.setBrush(colours[static_cast<std::size_t>((d / 2) % 4)]);
            p.drawRoundedRect(QRectF(x + 1, y + 1, kTile - 2, kTile - 2), 2, 2);
        }
    }
    return image;
}

} // namespace make_assets

// Two beaches: a bright midday shore and a sunset with palm silhouettes.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "make_assets/backgrounds.h"
#include "make_assets/paint_kit.h"

namespace make_assets {
namespace {

void cloud(QPainter& p, QPointF at, double scale) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    for (const auto& [dx, dy, r] : {std::tuple{0.0, 0.0, 22.0}, std::tuple{24.0, -10.0, 26.0},
                                    std::tuple{50.0, 0.0, 20.0}, std::tuple{26.0, 8.0, 20.0}}) {
        p.drawEllipse(at + QPointF(dx, dy) * scale, r * scale, r * 0.7 * scale);
    }
}

void sandTexture(QImage& image, int top, const QColor& light, const QColor& dark,
                 std::uint32_t seed) {
    const Noise noise(seed);
    fillPixels(image, QRect(0, top, kBackgroundW, kBackgroundH - top), [&](double x, double y) {
        const double ripple = 0.5 + 0.5 * std::sin(y / 3.5 + 6 * noise.at(x / 90.0, y / 40.0));
        const double t = 0.55 * noise.fractal(x / 30.0, y / 30.0, 3) + 0.2 * ripple +
                         0.25 * (y - top) / double(kBackgroundH - top);
        return mix(light, dark, t).rgb();
    });
}

void palmSilhouette(QPainter& p, QPointF foot, double height, double lean) {
    const QPointF top = foot + QPointF(lean, -height);
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-7, 0));
    trunk.quadTo(foot + QPointF(lean * 0.2 - 6, -height * 0.5), top + QPointF(-2, 0));
    trunk.lineTo(top + QPointF(3, 0));
    trunk.quadTo(foot + QPointF(lean * 0.2 + 5, -height * 0.5), foot + QPointF(7, 0));
    trunk.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x24, 0x10, 0x18));
    p.drawPath(trunk);
    p.setPen(QPen(QColor(0x24, 0x10, 0x18), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const double a : {-170.0, -140.0, -100.0, -60.0, -25.0, 5.0}) {
        const double r = a * 3.14159265 / 180.0;
        QPainterPath frond;
        frond.moveTo(top);
        frond.quadTo(top + QPointF(50 * std::cos(r), 50 * std::sin(r) - 25),
                     top + QPointF(85 * std::cos(r), 85 * std::sin(r) + 30));
        p.drawPath(frond);
    }
}

} // namespace

QImage sunnyBeach() {
    QImage image = blankBackground();
    sandTexture(image, 330, QColor(0xF2, 0xDE, 0xB0), QColor(0xD2, 0xB4, 0x80), 21);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(0x3A, 0x8C, 0xD8));
    sky.setColorAt(1, QColor(0xB8, 0xE0, 0xF6));
    p.fillRect(QRectF(0, 0, kBackgroundW, 220), sky);
    cloud(p, QPointF(120, 70), 1.3);
    cloud(p, QPointF(470, 50), 1.0);
    cloud(p, QPointF(650, 110), 0.8);
    QLinearGradient sea(0, 220, 0, 340);
    sea.setColorAt(0, QColor(0x1A, 0x5E, 0xA8));
    sea.setColorAt(1, QColor(0x38, 0xB8, 0xC4));
    p.fillRect(QRectF(0, 220, kBackgroundW, 120), sea);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    for (int y = 232; y < 330; y += 12) {
        for (int x = (y * 37) % 60; x < kBackgroundW; x += 60 + (y % 5) * 9) {
            p.drawLine(QPointF(x, y), QPointF(x + 14 + y % 11, y));
        }
    }
    QPainterPath foam;
    foam.moveTo(0, 336);
    for (int x = 0; x <= kBackgroundW; x += 10) {
        foam.lineTo(x, 336 + 6 * std::sin(x / 45.0));
    }
    p.setPen(QPen(QColor(255, 255, 255, 230), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(foam);
    return image;
}

QImage sunsetBeach() {
    QImage image = blankBackground();
    sandTexture(image, 380, QColor(0x8A, 0x52, 0x4A), QColor(0x3A, 0x20, 0x2A), 23);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(0x3A, 0x22, 0x5A));
    sky.setColorAt(0.55, QColor(0xD8, 0x5A, 0x4A));
    sky.setColorAt(1, QColor(0xF8, 0xB8, 0x5A));
    p.fillRect(QRectF(0, 0, kBackgroundW, 300), sky);
    QRadialGradient glow(QPointF(520, 300), 120);
    glow.setColorAt(0, QColor(0xFF, 0xF0, 0xB0));
    glow.setColorAt(0.25, QColor(0xFF, 0xD0, 0x70));
    glow.setColorAt(1, QColor(0xFF, 0xB0, 0x60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(520, 300), 120, 120);
    QLinearGradient sea(0, 300, 0, 390);
    sea.setColorAt(0, QColor(0x8A, 0x3A, 0x5A));
    sea.setColorAt(1, QColor(0x4A, 0x24, 0x4A));
    p.fillRect(QRectF(0, 300, kBackgroundW, 90), sea);
    p.setPen(QPen(QColor(0xFF, 0xD8, 0x80, 200), 2));
    for (int y = 304; y < 388; y += 6) {
        const double half = 40 - (y - 300) * 0.2 + (y % 4) * 3;
        p.drawLine(QPointF(520 - half, y), QPointF(520 + half, y));
    }
    palmSilhouette(p, QPointF(70, 600), 360, 60);
    palmSilhouette(p, QPointF(745, 600), 300, -50);
    return image;
}

} // namespace make_assets

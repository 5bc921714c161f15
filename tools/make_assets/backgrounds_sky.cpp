// Night sky in thick swirling brush strokes, and a snowy pine wood.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "make_assets/backgrounds.h"
#include "make_assets/paint_kit.h"

namespace make_assets {
namespace {

constexpr double kPi = 3.14159265358979;

struct Vortex {
    QPointF centre;
    double strength;
    double radius;
};

// Direction of the sky's flow at a point: a slow drift to the right bent round the vortices.
double flowAngle(QPointF at, const std::array<Vortex, 3>& vortices, const Noise& noise) {
    double dx = 1.0;
    double dy = 0.25 * std::sin(at.x() / 90.0);
    for (const Vortex& v : vortices) {
        const QPointF r = at - v.centre;
        const double d = std::hypot(r.x(), r.y()) + 1.0;
        const double pull = v.strength * std::exp(-d / v.radius);
        dx += -r.y() / d * pull * 3.0;
        dy += r.x() / d * pull * 3.0;
    }
    return std::atan2(dy, dx) + (noise.at(at.x() / 60.0, at.y() / 60.0) - 0.5) * 0.6;
}

void swirlingSky(QPainter& p, std::mt19937& random) {
    const Noise noise(7);
    const std::array<Vortex, 3> vortices{Vortex{{330, 170}, 1.0, 90}, Vortex{{520, 230}, -0.8, 70},
                                         Vortex{{150, 120}, 0.6, 60}};
    const std::array<QColor, 6> blues{QColor(0x1C, 0x34, 0x7A), QColor(0x2A, 0x4E, 0x9A),
                                      QColor(0x3C, 0x6C, 0xC0), QColor(0x22, 0x40, 0x88),
                                      QColor(0x5A, 0x8A, 0xD0), QColor(0x8C, 0xB4, 0xE0)};
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int i = 0; i < 16000; ++i) {
        const QPointF at(u(random) * kBackgroundW, u(random) * 480.0);
        const double a = flowAngle(at, vortices, noise);
        const double len = 8 + 10 * u(random);
        const QPointF dir(std::cos(a) * len / 2, std::sin(a) * len / 2);
        double swirl = 0;
        for (const Vortex& v : vortices) {
            const double d = std::hypot(at.x() - v.centre.x(), at.y() - v.centre.y());
            swirl = std::max(swirl, std::exp(-std::abs(d - v.radius * 0.9) / 18.0));
        }
        const auto pick = static_cast<std::size_t>(u(random) * (swirl > 0.4 ? 6 : 4));
        brushStroke(p, at - dir, at + dir, 3.0 + 2.0 * u(random), blues[std::min(pick, 5ul)]);
    }
}

void star(QPainter& p, QPointF c, double size, std::mt19937& random) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    QRadialGradient glow(c, size * 2.6);
    glow.setColorAt(0, QColor(0xFF, 0xF0, 0x90, 200));
    glow.setColorAt(0.5, QColor(0xE8, 0xD8, 0x70, 90));
    glow.setColorAt(1, QColor(0xC0, 0xD0, 0xA0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, size * 2.6, size * 2.6);
    // Short strokes laid round the star, as a painter circles a light.
    for (int k = 0; k < 40; ++k) {
        const double a = 2 * kPi * u(random);
        const double r = size * (0.7 + 1.5 * u(random));
        const QPointF at = c + QPointF(r * std::cos(a), r * std::sin(a));
        const QPointF t(-std::sin(a) * 3.5, std::cos(a) * 3.5);
        brushStroke(p, at - t, at + t, 2.4,
                    mix(QColor(0xFF, 0xEC, 0x80), QColor(0xB8, 0xD0, 0xB0), r / (size * 2.2)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF8, 0xC8));
    p.drawEllipse(c, size * 0.5, size * 0.5);
}

void moon(QPainter& p, QPointF c) {
    QRadialGradient glow(c, 70);
    glow.setColorAt(0, QColor(0xFF, 0xE8, 0x80, 170));
    glow.setColorAt(1, QColor(0xE0, 0xD0, 0x80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 70, 70);
    QPainterPath disc;
    disc.addEllipse(c, 22, 22);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(11, -8), 19, 19);
    p.setBrush(QColor(0xFF, 0xE4, 0x70));
    p.drawPath(disc.subtracted(bite));
}

void village(QPainter& p, std::mt19937& random) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const Noise noise(11);
    for (int x = -10; x < kBackgroundW + 10; x += 3) {
        const double ridge = 470 + 40 * noise.fractal(x / 160.0, 3.0, 3) - 20;
        for (double y = ridge; y < kBackgroundH; y += 5) {
            const QColor c = mix(QColor(0x1A, 0x30, 0x4A), QColor(0x0C, 0x16, 0x22),
                                 (y - ridge) / 140.0 + 0.2 * u(random));
            brushStroke(p, QPointF(x, y), QPointF(x + 7, y + 2 * u(random) - 1), 4.0, c);
        }
    }
    for (int h = 0; h < 14; ++h) {
        const double x = 260 + h * 36 + 10 * u(random);
        const double y = 520 + 30 * u(random);
        p.setPen(QPen(QColor(0x0A, 0x10, 0x18), 1.5));
        p.setBrush(QColor(0x2A, 0x3C, 0x58));
        p.drawRect(QRectF(x, y, 22, 16));
        p.drawPolygon(QPolygonF{QPointF(x - 3, y), QPointF(x + 25, y), QPointF(x + 11, y - 10)});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0xD0, 0x50));
        p.drawRect(QRectF(x + 6, y + 5, 4, 5));
    }
}

void cypress(QPainter& p, std::mt19937& random) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (double y = 130; y < kBackgroundH; y += 3) {
        const double t = (y - 130) / 470.0;
        const double half = 8 + 38 * std::sin(std::min(1.0, t * 1.3) * kPi / 2);
        const double centre = 95 + 10 * std::sin(y / 40.0);
        for (int k = 0; k < 3; ++k) {
            const double x = centre + (u(random) * 2 - 1) * half;
            const QColor c = mix(QColor(0x08, 0x12, 0x0C), QColor(0x1C, 0x2C, 0x18), u(random));
            brushStroke(p, QPointF(x, y + 6), QPointF(x + 6 * (u(random) - 0.5), y - 12), 4.5, c);
        }
    }
}

} // namespace

QImage starryNight() {
    QImage image = blankBackground();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, kBackgroundH);
        sky.setColorAt(0, QColor(0x0C, 0x1A, 0x4A));
        sky.setColorAt(0.8, QColor(0x24, 0x44, 0x80));
        p.fillRect(kBackgroundRect, sky);
        std::mt19937 random(1889);
        swirlingSky(p, random);
        for (const QPointF s :
             {QPointF(60, 60), QPointF(230, 70), QPointF(420, 60), QPointF(610, 140),
              QPointF(300, 300), QPointF(480, 360), QPointF(640, 300), QPointF(180, 340)}) {
            star(p, s, 9, random);
        }
        moon(p, QPointF(705, 80));
        village(p, random);
        cypress(p, random);
    }
    vignette(image, 0.35);
    return image;
}

QImage winterWood() {
    QImage image = blankBackground();
    std::mt19937 random(1225);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, 360);
        sky.setColorAt(0, QColor(0x7C, 0x9C, 0xC4));
        sky.setColorAt(1, QColor(0xDC, 0xE6, 0xF0));
        p.fillRect(kBackgroundRect, sky);
        const Noise noise(3);
        QPainterPath hills;
        hills.moveTo(0, kBackgroundH);
        for (int x = 0; x <= kBackgroundW; x += 8) {
            hills.lineTo(x, 250 + 90 * noise.fractal(x / 200.0, 1.5, 4));
        }
        hills.lineTo(kBackgroundW, kBackgroundH);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xA8, 0xB8, 0xD0));
        p.drawPath(hills);
        QLinearGradient snow(0, 330, 0, kBackgroundH);
        snow.setColorAt(0, QColor(0xF4, 0xF8, 0xFC));
        snow.setColorAt(1, QColor(0xC8, 0xD6, 0xE8));
        p.setBrush(snow);
        p.drawRect(QRectF(0, 360, kBackgroundW, 240));
        std::vector<std::pair<double, double>> trees; // depth, x; far trees first
        for (int t = 0; t < 34; ++t) {
            trees.emplace_back(u(random), u(random) * kBackgroundW);
        }
        std::sort(trees.begin(), trees.end(), std::greater<>());
        for (const auto& [depth, x] : trees) {
            const double base = 350 + (1 - depth) * 70;
            const double h = 60 + 120 * (1 - depth);
            const QColor green = mix(QColor(0x1C, 0x40, 0x30), QColor(0x6C, 0x84, 0x8C), depth);
            for (int tier = 0; tier < 4; ++tier) {
                const double top = base - h + tier * h * 0.2;
                const double w = h * (0.18 + tier * 0.08);
                const QPolygonF tierShape{QPointF(x, top), QPointF(x + w, top + h * 0.32),
                                          QPointF(x - w, top + h * 0.32)};
                p.setBrush(green);
                p.drawPolygon(tierShape);
                p.setBrush(QColor(0xF4, 0xF8, 0xFC));
                p.drawPolygon(QPolygonF{QPointF(x, top), QPointF(x + w * 0.5, top + h * 0.14),
                                        QPointF(x - w * 0.55, top + h * 0.15)});
            }
        }
        p.setBrush(QColor(255, 255, 255, 200));
        for (int f = 0; f < 700; ++f) {
            const double r = 0.8 + 1.8 * u(random);
            p.drawEllipse(QPointF(u(random) * kBackgroundW, u(random) * kBackgroundH), r, r);
        }
    }
    addGrain(image, 0.015, 5);
    return image;
}

} // namespace make_assets

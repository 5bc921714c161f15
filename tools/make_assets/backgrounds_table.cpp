// Table tops: wood (a dark poker cabinet and light oak planks), baize, lacquered metal,
// a casino cabinet and marble.
#include <QLinearGradient>
#include <cmath>

#include "make_assets/backgrounds.h"
#include "make_assets/paint_kit.h"

namespace make_assets {
namespace {

// Wood grain running along x: rings bent by noise, with fine pores.
void woodGrain(QImage& image, QRect area, const QColor& light, const QColor& dark,
               std::uint32_t seed, bool alongY) {
    const Noise noise(seed);
    fillPixels(image, area, [&](double x, double y) {
        const double u = alongY ? y : x;
        const double v = alongY ? x : y;
        const double bend = 30 * noise.fractal(u / 260.0, v / 60.0, 4);
        const double rings = 0.5 + 0.5 * std::sin((v + bend) / 5.5);
        const double pores = noise.at(u / 2.0, v / 9.0);
        const double t =
            0.55 * std::pow(rings, 3) + 0.3 * pores + 0.15 * noise.fractal(u / 80.0, v / 25.0, 2);
        return mix(light, dark, t).rgb();
    });
}

void bevel(QPainter& p, QRectF r, double width, int lightAlpha, int darkAlpha) {
    p.setPen(QPen(QColor(255, 255, 255, lightAlpha), width));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QPen(QColor(0, 0, 0, darkAlpha), width));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// A cabinet: a frame of one finish round an inset panel, a brass line between them.
QImage cabinet(const QColor& frameLight, const QColor& frameDark, const QColor& panelLight,
               const QColor& panelDark, std::uint32_t seed) {
    QImage image = blankBackground();
    woodGrain(image, kBackgroundRect.toRect(), frameLight, frameDark, seed, false);
    const QRect panel(28, 28, kBackgroundW - 56, kBackgroundH - 56);
    woodGrain(image, panel, panelLight, panelDark, seed + 1, false);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    bevel(p, QRectF(panel).adjusted(-1, -1, 1, 1), 3, 40, 120);
    p.setPen(QPen(QColor(0xC8, 0xA0, 0x50, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(panel).adjusted(6, 6, -6, -6));
    bevel(p, QRectF(2, 2, kBackgroundW - 4, kBackgroundH - 4), 4, 50, 140);
    return image;
}

} // namespace

QImage pokerWood() {
    QImage image = cabinet(QColor(0x6A, 0x34, 0x1C), QColor(0x2A, 0x10, 0x08),
                           QColor(0x4A, 0x24, 0x14), QColor(0x1C, 0x0A, 0x06), 41);
    vignette(image, 0.3);
    return image;
}

QImage oakTable() {
    QImage image = blankBackground();
    woodGrain(image, kBackgroundRect.toRect(), QColor(0xD8, 0xA8, 0x6A), QColor(0x8A, 0x5A, 0x2C),
              43, true);
    QPainter p(&image);
    for (int x = 0; x < kBackgroundW; x += 133) {
        p.setPen(QPen(QColor(0x3A, 0x22, 0x10, 150), 2));
        p.drawLine(x, 0, x, kBackgroundH);
        p.setPen(QPen(QColor(255, 240, 210, 50), 1));
        p.drawLine(x + 2, 0, x + 2, kBackgroundH);
    }
    p.end();
    vignette(image, 0.25);
    return image;
}

QImage greenBaize() {
    QImage image = blankBackground();
    const Noise noise(47);
    fillPixels(image, [&](double x, double y) {
        return mix(QColor(0x1E, 0x6E, 0x3A), QColor(0x10, 0x48, 0x24),
                   noise.fractal(x / 40.0, y / 40.0, 4))
            .rgb();
    });
    addGrain(image, 0.03, 48);
    vignette(image, 0.45);
    return image;
}

QImage pokerBlue() {
    QImage image = blankBackground();
    const Noise noise(51);
    fillPixels(image, [&](double x, double y) {
        const double brushed = noise.at(x / 300.0, y * 1.7);
        const double sheen = 0.5 + 0.5 * std::sin(x / 230.0 + y / 400.0);
        return mix(QColor(0x0C, 0x1E, 0x4A), QColor(0x2A, 0x50, 0x9A),
                   0.35 * brushed + 0.45 * sheen)
            .rgb();
    });
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    bevel(p, QRectF(20, 20, kBackgroundW - 40, kBackgroundH - 40), 3, 60, 140);
    p.setPen(QPen(QColor(0xC0, 0xC8, 0xD8, 160), 1.5));
    p.drawRect(QRectF(28, 28, kBackgroundW - 56, kBackgroundH - 56));
    return image;
}

QImage pokerCasino() {
    QImage image = blankBackground();
    const Noise noise(53);
    fillPixels(image, [&](double x, double y) {
        return mix(QColor(0x8A, 0x10, 0x1C), QColor(0x40, 0x06, 0x0E),
                   noise.fractal(x / 60.0, y / 60.0, 4))
            .rgb();
    });
    addGrain(image, 0.025, 54);
    vignette(image, 0.5);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gold(0, 0, kBackgroundW, kBackgroundH);
    gold.setColorAt(0, QColor(0xF0, 0xD0, 0x70));
    gold.setColorAt(0.5, QColor(0xA8, 0x7A, 0x28));
    gold.setColorAt(1, QColor(0xE8, 0xC0, 0x60));
    p.setPen(QPen(QBrush(gold), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(14, 14, kBackgroundW - 28, kBackgroundH - 28), 18, 18);
    p.setPen(QPen(QBrush(gold), 1.5));
    p.drawRoundedRect(QRectF(26, 26, kBackgroundW - 52, kBackgroundH - 52), 12, 12);
    return image;
}

QImage marble() {
    QImage image = blankBackground();
    const Noise noise(57);
    fillPixels(image, [&](double x, double y) {
        const double turbulence = noise.fractal(x / 120.0, y / 120.0, 5);
        const double vein = std::abs(std::sin((x * 0.6 + y * 0.8) / 70.0 + 9 * turbulence));
        const double t = std::pow(1.0 - vein, 6) * 0.8 + 0.25 * turbulence;
        return mix(QColor(0x3C, 0x48, 0x50), QColor(0xC8, 0xCC, 0xC4), t).rgb();
    });
    vignette(image, 0.3);
    return image;
}

} // namespace make_assets

#pragma once
// Small painting helpers for the generated pictures: smooth noise, grain, vignettes and
// painterly brush strokes. Everything is seeded, so the pictures come out the same each run.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <array>
#include <cstdint>
#include <random>

namespace make_assets {

// Backgrounds are 800 x 600 logical pixels, drawn at twice that in pixels so they stay sharp
// on a table drawn larger. Painters on them work in logical pixels.
inline constexpr int kBackgroundW = 800;
inline constexpr int kBackgroundH = 600;
inline constexpr int kBackgroundRatio = 2;
inline constexpr QRectF kBackgroundRect(0, 0, kBackgroundW, kBackgroundH);

class Noise {
  public:
    explicit Noise(std::uint32_t seed);
    // Smooth value noise in 0..1.
    double at(double x, double y) const;
    // Sum of octaves, 0..1.
    double fractal(double x, double y, int octaves) const;

  private:
    double lattice(int x, int y) const;
    std::array<std::uint8_t, 512> perm_{};
};

// A black background at kBackgroundRatio.
QImage blankBackground();
// Sets each pixel of `area` (logical pixels) to colourAt(x, y) of its logical position.
template <typename ColourAt> void fillPixels(QImage& image, const QRect& area, ColourAt colourAt) {
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels = QRect(area.topLeft() * ratio, area.size() * ratio) & image.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            line[x] = colourAt(x / ratio, y / ratio);
        }
    }
}
inline void fillPixels(QImage& image, auto colourAt) {
    fillPixels(image, QRect(QPoint(0, 0), kBackgroundRect.size().toSize()), colourAt);
}
QColor mix(const QColor& a, const QColor& b, double t);
// Adds fine grain of the given strength (0..1).
void addGrain(QImage& image, double strength, std::uint32_t seed);
// Darkens the edges.
void vignette(QImage& image, double strength);
// One short, round-ended stroke as a painter's brush would leave it.
void brushStroke(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour);

} // namespace make_assets

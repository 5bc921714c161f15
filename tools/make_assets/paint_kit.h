#pragma once
// Small painting helpers for the generated pictures: smooth noise, grain, vignettes and
// painterly brush strokes. Everything is seeded, so the pictures come out the same each run.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdint>
#include <random>

namespace make_assets {

inline constexpr int kBackgroundW = 800;
inline constexpr int kBackgroundH = 600;

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

QImage blankBackground();
QColor mix(const QColor& a, const QColor& b, double t);
// Adds fine grain of the given strength (0..1).
void addGrain(QImage& image, double strength, std::uint32_t seed);
// Darkens the edges.
void vignette(QImage& image, double strength);
// One short, round-ended stroke as a painter's brush would leave it.
void brushStroke(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour);

} // namespace make_assets

#include "make_assets/paint_kit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace make_assets {

Noise::Noise(std::uint32_t seed) {
    std::array<std::uint8_t, 256> p{};
    std::iota(p.begin(), p.end(), std::uint8_t{0});
    std::mt19937 random(seed);
    std::shuffle(p.begin(), p.end(), random);
    for (std::size_t i = 0; i < perm_.size(); ++i) {
        perm_[i] = p[i % 256];
    }
}

double Noise::lattice(int x, int y) const {
    return perm_[(perm_[static_cast<std::size_t>(x & 255)] + (y & 255)) & 511] / 255.0;
}

double Noise::at(double x, double y) const {
    const int xi = static_cast<int>(std::floor(x));
    const int yi = static_cast<int>(std::floor(y));
    const double fx = x - xi;
    const double fy = y - yi;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = lattice(xi, yi) + sx * (lattice(xi + 1, yi) - lattice(xi, yi));
    const double bottom =
        lattice(xi, yi + 1) + sx * (lattice(xi + 1, yi + 1) - lattice(xi, yi + 1));
    return top + sy * (bottom - top);
}

double Noise::fractal(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 0;
    double amplitude = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * at(x, y);
        weight += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / weight;
}

QImage blankBackground() {
    QImage image(kBackgroundW * kBackgroundRatio, kBackgroundH * kBackgroundRatio,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(kBackgroundRatio);
    image.fill(Qt::black);
    return image;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void addGrain(QImage& image, double strength, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> grain(0.0, 255.0 * strength);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = static_cast<int>(grain(random));
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + d, 0, 255), std::clamp(qGreen(line[x]) + d, 0, 255),
                     std::clamp(qBlue(line[x]) + d, 0, 255));
        }
    }
}

void vignette(QImage& image, double strength) {
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot((x - cx) / cx, (y - cy) / cy) / std::sqrt(2.0);
            const double f = 1.0 - strength * d * d;
            line[x] =
                qRgb(static_cast<int>(qRed(line[x]) * f), static_cast<int>(qGreen(line[x]) * f),
                     static_cast<int>(qBlue(line[x]) * f));
        }
    }
}

void brushStroke(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    // A thin lighter bristle line along the stroke gives it texture.
    p.setPen(QPen(colour.lighter(118), std::max(0.8, width / 4.0), Qt::SolidLine, Qt::RoundCap));
    const QPointF shift(width / 5.0, -width / 5.0);
    p.drawLine(from + shift, to + shift);
}

} // namespace make_assets

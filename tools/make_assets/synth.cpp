#include "make_assets/synth.h"

#include <algorithm>
#include <cmath>

namespace make_assets {
namespace {

constexpr double kTwoPi = 6.283185307179586;

double attackRelease(double t, double seconds, double attack, double release) {
    const double s = t * seconds;
    return std::min({1.0, s / attack, (seconds - s) / release});
}

} // namespace

Wave bell(double hz, double seconds, double decay) {
    Wave w = silence(seconds);
    const double partials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {2.76, 0.25}, {5.4, 0.08}};
    for (std::size_t i = 0; i < w.samples.size(); ++i) {
        const double t = static_cast<double>(i) / w.rate;
        double v = 0;
        for (const auto& [ratio, gain] : partials) {
            v += gain * std::sin(kTwoPi * hz * ratio * t) * std::exp(-t * decay * ratio);
        }
        w.samples[i] = v * std::min(1.0, t * 500.0);
    }
    return w;
}

Wave softNote(double hz, double seconds, double vibratoDepth) {
    return glide(
        seconds,
        [=](double t) { return hz * (1.0 + vibratoDepth * std::sin(kTwoPi * 5.5 * t * seconds)); },
        [=](double t) { return attackRelease(t, seconds, 0.02, 0.08); }, 4);
}

Wave glide(double seconds, const std::function<double(double)>& hzAt,
           const std::function<double(double)>& envelope, int harmonics) {
    Wave w = silence(seconds);
    double phase = 0;
    const auto n = static_cast<double>(w.samples.size());
    for (std::size_t i = 0; i < w.samples.size(); ++i) {
        const double t = static_cast<double>(i) / n;
        phase += kTwoPi * hzAt(t) / w.rate;
        double v = 0;
        for (int h = 1; h <= harmonics; ++h) {
            v += std::sin(phase * h) / (h * h);
        }
        w.samples[i] = v * envelope(t);
    }
    return w;
}

Wave noise(double seconds, double lowHz, double highHz,
           const std::function<double(double)>& envelope, std::uint32_t seed) {
    Wave w = silence(seconds);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    const double lowAlpha = 1.0 - std::exp(-kTwoPi * highHz / w.rate);
    const double highAlpha = 1.0 - std::exp(-kTwoPi * lowHz / w.rate);
    double lowPassed = 0;
    double floor = 0;
    const auto n = static_cast<double>(w.samples.size());
    for (std::size_t i = 0; i < w.samples.size(); ++i) {
        lowPassed += lowAlpha * (white(random) - lowPassed);
        floor += highAlpha * (lowPassed - floor);
        w.samples[i] = (lowPassed - floor) * envelope(static_cast<double>(i) / n);
    }
    return w;
}

} // namespace make_assets

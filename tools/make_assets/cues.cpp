#include "make_assets/cues.h"

#include <cmath>

#include "make_assets/synth.h"

namespace make_assets {
namespace {

constexpr double kPi = 3.14159265358979;

double note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

Wave deal() { // a card flicked across the cloth
    Wave w = noise(
        0.07, 1800, 7000, [](double t) { return std::exp(-t * 7) * (1 - t); }, 1);
    mixIn(w,
          noise(
              0.015, 3000, 9000, [](double t) { return 1 - t; }, 2),
          0.0, 0.6);
    return w;
}

Wave drop() { // a card landing on the pile
    Wave w = glide(
        0.11, [](double t) { return 150 - 70 * t; }, [](double t) { return std::exp(-t * 5); }, 2);
    mixIn(w,
          noise(
              0.05, 400, 4000, [](double t) { return std::exp(-t * 6); }, 3),
          0.0, 0.7);
    return w;
}

Wave peek() { // a sly little whistle, up and back down
    return glide(
        0.45,
        [](double t) { return t < 0.4 ? 700 + 900 * (t / 0.4) : 1600 - 800 * ((t - 0.4) / 0.6); },
        [](double t) { return std::sin(kPi * t) * (0.8 + 0.2 * std::sin(t * 40)); }, 2);
}

Wave beach() { // two waves rolling in and washing back
    Wave w = silence(0.0);
    for (int k = 0; k < 2; ++k) {
        mixIn(w,
              noise(
                  1.8, 120, 2500,
                  [](double t) { return std::pow(std::sin(kPi * std::pow(t, 0.6)), 2); },
                  10 + static_cast<std::uint32_t>(k)),
              k * 1.2);
    }
    return w;
}

Wave wolf() { // a long howl rising, holding and falling away
    Wave w = glide(
        2.4,
        [](double t) {
            const double rise = t < 0.25 ? 320 + 220 * (t / 0.25) : 540;
            const double fall = t > 0.65 ? -180 * (t - 0.65) / 0.35 : 0;
            return (rise + fall) * (1 + 0.012 * std::sin(t * 2.4 * 2 * kPi * 5));
        },
        [](double t) {
            return std::min({1.0, t / 0.15, (1 - t) / 0.3});
        },
        3);
    mixIn(w,
          noise(
              2.4, 300, 3000, [](double t) { return 0.15 * std::sin(kPi * t); }, 4),
          0, 1);
    return w;
}

Wave bird() { // a few bright chirps and a short trill
    Wave w = silence(0.0);
    for (int k = 0; k < 3; ++k) {
        mixIn(w,
              glide(
                  0.09, [](double t) { return 2600 + 1800 * t; },
                  [](double t) { return std::sin(kPi * t); }),
              k * 0.16);
    }
    for (int k = 0; k < 6; ++k) {
        mixIn(w,
              glide(
                  0.05, [](double t) { return 3800 - 900 * t; },
                  [](double t) { return std::sin(kPi * t); }),
              0.55 + k * 0.06, 0.8);
    }
    return w;
}

Wave chimes(std::initializer_list<int> semitones, double step, double ring) {
    Wave w = silence(0.0);
    double at = 0;
    for (const int s : semitones) {
        mixIn(w, bell(note(s), ring, 4.0), at, 0.6);
        at += step;
    }
    return w;
}

Wave phrase(std::initializer_list<int> semitones, double length, double vibrato = 0.0) {
    Wave w = silence(0.0);
    double at = 0;
    for (const int s : semitones) {
        mixIn(w, softNote(note(s), length, vibrato), at);
        at += length;
    }
    return w;
}

Wave sadTrombone() {
    Wave w = phrase({-2, -3, -4}, 0.32);
    mixIn(w, softNote(note(-5), 0.8, 0.025), duration(w));
    return w;
}

} // namespace

Wave ohDearTune() {
    return phrase({-5, -9}, 0.3, 0.01);
}
Wave dohTune() {
    return softNote(note(-12), 0.35, 0.0);
}

std::vector<std::pair<QString, std::function<Wave()>>> soundCues() {
    return {
        {QStringLiteral("deal.wav"), deal},
        {QStringLiteral("drop.wav"), drop},
        {QStringLiteral("peek.wav"), peek},
        {QStringLiteral("beach.wav"), beach},
        {QStringLiteral("wolf.wav"), wolf},
        {QStringLiteral("bird.wav"), bird},
        {QStringLiteral("pokerwin1.wav"),
         [] {
             return chimes({3, 7}, 0.12, 0.5);
         }},
        {QStringLiteral("pokerwin2.wav"),
         [] {
             return chimes({3, 7, 10}, 0.11, 0.6);
         }},
        {QStringLiteral("pokerwin3.wav"),
         [] {
             return chimes({3, 7, 10, 15, 10, 15}, 0.1, 0.7);
         }},
        {QStringLiteral("wrong.wav"),
         [] {
             return phrase({-5, -9}, 0.18);
         }},
        {QStringLiteral("wrong2.wav"), [] { return phrase({-12}, 0.22); }},
        {QStringLiteral("wrong3.wav"),
         [] {
             return phrase({-2, -4, -7}, 0.13);
         }},
        {QStringLiteral("ohdear.wav"), ohDearTune},
        {QStringLiteral("doh.wav"), dohTune},
        {QStringLiteral("lost1.wav"), sadTrombone},
        {QStringLiteral("lost2.wav"),
         [] {
             return chimes({0, -4, -7, -12}, 0.22, 0.7);
         }},
    };
}

} // namespace make_assets

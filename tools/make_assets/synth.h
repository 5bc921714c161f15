#pragma once
// Sound building blocks: bells, soft brass, glides, filtered noise.
#include <functional>
#include <random>

#include "make_assets/wave.h"

namespace make_assets {

// A struck bell: a fundamental with inharmonic partials, decaying.
Wave bell(double hz, double seconds, double decay);
// A warm held note (a few harmonics), with attack and release and optional vibrato.
Wave softNote(double hz, double seconds, double vibratoDepth = 0.0);
// A sine whose pitch follows hzAt(t), t from 0 to 1 over the sound, shaped by envelope(t).
Wave glide(double seconds, const std::function<double(double)>& hzAt,
           const std::function<double(double)>& envelope, int harmonics = 1);
// Noise through a one-pole band filter (lowHz..highHz), shaped by envelope(t).
Wave noise(double seconds, double lowHz, double highHz,
           const std::function<double(double)>& envelope, std::uint32_t seed);

} // namespace make_assets

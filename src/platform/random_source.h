#pragma once
// A uniform generator in [0, 1) that can be reseeded from the clock. Reseeding mixes the
// clock into the generator's present state, so two reseeds within the same clock tick
// still lead to different numbers.

#include <cstdint>
#include <random>

namespace quillan {

class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed = 0x5DEECE66DULL) : generator_(seed) {}

    float next();
    void mixIn(std::uint64_t clockValue);

  private:
    std::mt19937_64 generator_;
};

} // namespace quillan

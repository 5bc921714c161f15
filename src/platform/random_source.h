#pragma once
// A uniform generator in [0, 1) that can be reseeded from the clock. Reseeding mixes the
// clock into the generator's present state, so two reseeds within the same clock tick
// still lead to different numbers. The generator is SplitMix64: small, fast to reseed.

#include <cstdint>

namespace quillan {

class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed = 0x5DEECE66DULL) : state_(seed) {}

    float next();
    void mixIn(std::uint64_t clockValue);

  private:
    std::uint64_t step();
    std::uint64_t state_;
};

} // namespace quillan

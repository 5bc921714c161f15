#include "platform/random_source.h"

namespace quillan {

float RandomSource::next() {
    // 24 random bits: every value is exactly representable and below 1.
    return static_cast<float>(generator_() >> 40) * (1.0f / 16777216.0f);
}

void RandomSource::mixIn(std::uint64_t clockValue) {
    const std::uint64_t state = generator_();
    const std::uint64_t mixed = state ^ (clockValue * 0x9E3779B97F4A7C15ULL);
    std::seed_seq seeds{static_cast<std::uint32_t>(mixed), static_cast<std::uint32_t>(mixed >> 32),
                        static_cast<std::uint32_t>(state >> 17)};
    generator_.seed(seeds);
}

} // namespace quillan

#include "platform/random_source.h"

namespace quillan {

std::uint64_t RandomSource::step() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float RandomSource::next() {
    // 24 random bits: every value is exactly representable and below 1.
    return static_cast<float>(step() >> 40) * (1.0f / 16777216.0f);
}

void RandomSource::mixIn(std::uint64_t clockValue) {
    state_ = step() ^ (clockValue * 0xD6E8FEB86659FD93ULL);
}

} // namespace quillan

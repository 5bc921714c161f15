#pragma once
// Rounding to the nearest integer with halves going to the even neighbour
// (2.5 -> 2, 3.5 -> 4), as every layout and animation computation expects.

#include <cfenv>
#include <cmath>
#include <cstdint>

namespace quillan {

inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}

inline std::int64_t roundToInt(double value) {
    return static_cast<std::int64_t>(std::nearbyint(value));
}

} // namespace quillan

#pragma once
// The game keeps its counters, banks and card fields in signed 16-bit numbers and its
// flags as 16-bit booleans (true = -1). Arithmetic that leaves -32768..32767 raises
// "Overflow" instead of wrapping.

#include <cstdint>
#include <limits>

#include "common/program_error.h"

namespace quillan {

using int16 = std::int16_t;
using int32 = std::int32_t;

inline constexpr int16 kTrue = -1;
inline constexpr int16 kFalse = 0;

constexpr int16 toFlag(bool b) {
    return b ? kTrue : kFalse;
}
constexpr bool isSet(int16 flag) {
    return flag != 0;
}

// Narrows any integer to 16 bits, raising "Overflow" when it does not fit.
template <typename T> constexpr int16 checked16(T value) {
    if (value < static_cast<T>(std::numeric_limits<int16>::min()) ||
        value > static_cast<T>(std::numeric_limits<int16>::max())) {
        raiseOverflow();
    }
    return static_cast<int16>(value);
}

// Narrows a 64-bit result to 32 bits, raising "Overflow" when it does not fit.
constexpr int32 checked32(std::int64_t value) {
    if (value < std::numeric_limits<int32>::min() || value > std::numeric_limits<int32>::max()) {
        raiseOverflow();
    }
    return static_cast<int32>(value);
}

constexpr int16 add16(int32 a, int32 b) {
    return checked16(a + b);
}
constexpr int16 sub16(int32 a, int32 b) {
    return checked16(a - b);
}
constexpr int16 mul16(int32 a, int32 b) {
    return checked16(a * b);
}

} // namespace quillan

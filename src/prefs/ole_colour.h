#pragma once
// Colours as the settings keep them: one number with red in the low byte, then green, then
// blue (hexadecimal 00FF00 is green).

#include <QColor>

#include "common/int16.h"

namespace quillan {

inline QColor colourFromOle(int32 value) {
    const auto c = static_cast<std::uint32_t>(value);
    return {static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
            static_cast<int>((c >> 16) & 0xFFu)};
}

inline int32 oleFromColour(const QColor& colour) {
    return static_cast<int32>(static_cast<std::uint32_t>(colour.red()) |
                              (static_cast<std::uint32_t>(colour.green()) << 8) |
                              (static_cast<std::uint32_t>(colour.blue()) << 16));
}

} // namespace quillan

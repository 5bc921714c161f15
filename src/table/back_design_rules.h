#pragma once
// Which back design the table paints for a game's stored back number. The card library has
// designs 53..65; a stored number outside them (a hand-edited or damaged settings file, or
// -1 for a custom picture that could not be loaded) paints the game's own default design.
// The stored number itself is left as it is.

#include "common/int16.h"

namespace quillan {

inline constexpr int32 kFirstBackDesign = 53;
inline constexpr int32 kLastBackDesign = 65;
inline constexpr int32 kRummyDefaultBack = 54;
inline constexpr int32 kPokerDefaultBack = 65;

int32 backDesignShown(int32 stored, int32 gameDefault);

} // namespace quillan

#pragma once
// The animation speed slider of the Preferences: position 0..1000, left end slowest.

#include "common/int16.h"

namespace quillan {

inline constexpr int kSpeedSliderMax = 1000;

// Delay for a slider position: 1000 - v from the middle up (500 .. 0), 6000 - 11 v below it
// (6000 at 0, 511 at 499). Positions outside 0..1000 count as the nearest end.
int32 animationDelayForSlider(int position);

} // namespace quillan

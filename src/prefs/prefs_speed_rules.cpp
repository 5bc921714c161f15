#include "prefs/prefs_speed_rules.h"

#include <algorithm>

#include "common/rounding.h"

namespace quillan {

int32 animationDelayForSlider(int position) {
    const int v = std::clamp(position, 0, kSpeedSliderMax);
    if (v >= 500) {
        return 1000 - v;
    }
    return static_cast<int32>(roundToInt((500.0 - v) / 100.0 * 1000.0 + (1000.0 - v)));
}

} // namespace quillan

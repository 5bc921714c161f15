#include "stats/chart_axis_rules.h"

#include <algorithm>

namespace quillan {

namespace {

constexpr int kMaxIntervals = 10;
constexpr AxisRange kEmptyValues{0, 10, 2};

long floorToStep(long value, long step) {
    const long q = value / step;
    return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

long ceilToStep(long value, long step) {
    const long q = value / step;
    return (value % step != 0 && value > 0 ? q + 1 : q) * step;
}

} // namespace

long roundStep(long span, int maxIntervals) {
    const long intervals = std::max(maxIntervals, 1);
    for (long magnitude = 1;; magnitude *= 10) {
        for (const long factor : {1L, 2L, 5L}) {
            if (span <= factor * magnitude * intervals) {
                return factor * magnitude;
            }
        }
    }
}

AxisRange valueAxisFor(long lowest, long highest) {
    const long low = std::min(lowest, 0L);
    const long high = std::max(highest, 0L);
    if (low == high) {
        return kEmptyValues;
    }
    // Rounding the ends out may need one more interval than the span: widen the step then.
    for (long step = roundStep(high - low, kMaxIntervals);; step = roundStep(step + 1, 1)) {
        const AxisRange range{floorToStep(low, step), ceilToStep(high, step), step};
        if ((range.high - range.low) / step <= kMaxIntervals) {
            return range;
        }
    }
}

AxisRange handAxisFor(long hands) {
    if (hands < 2) {
        return {0, 2, 1};
    }
    return {1, hands, roundStep(hands - 1, kMaxIntervals)};
}

} // namespace quillan

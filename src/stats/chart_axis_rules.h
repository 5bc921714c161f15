#pragma once
// The numbers on the Statistics window's chart axes: whole numbers only (hands, banks,
// credits), in round steps, 0 always on the value axis, and a plain range when there is
// nothing to show yet.

namespace quillan {

// The smallest step of 1, 2 or 5 times a power of ten that cuts `span` (>= 0) into at most
// `maxIntervals` (>= 1) intervals.
long roundStep(long span, int maxIntervals);

struct AxisRange {
    long low = 0;
    long high = 0;
    long step = 1; // a tick at every multiple of step from low to high
};

// The value axis for whole numbers from `lowest` to `highest` (each end on a step, 0
// included, at most ten intervals); with nothing but 0 to show, 0 to 10 in steps of 2.
AxisRange valueAxisFor(long lowest, long highest);

// The hand axis for `hands` hands: with fewer than two, 0 to 2 with the one hand in the
// middle; else 1 to `hands`, ticks on round steps.
AxisRange handAxisFor(long hands);

} // namespace quillan

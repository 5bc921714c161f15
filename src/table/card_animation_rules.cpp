#include "table/card_animation_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/rounding.h"

namespace quillan {

namespace {

// Each frame shows the card plus the 10-pixel strip it has just left.
constexpr int32 kTrail = 10;
// One unit of a stored delay is this many microseconds of frame time, up to the delay of
// the speed slider's middle.
constexpr double kMicrosPerDelayUnit = 10.0;
constexpr int32 kSlowHalfStart = 500;

FrameRect shownRect(FramePoint card, const MoveDirection& d, int32 x2, int32 w, int32 h) {
    const int32 top = d.movingDown ? card.y - kTrail : card.y;
    const bool trailLeft = d.movingDown ? x2 > card.x : d.movingRight;
    const int32 left = trailLeft ? card.x - kTrail : card.x;
    return {left, top, w + kTrail, h + kTrail};
}

} // namespace

MoveDirection moveDirection(int32 x1, int32 y1, int32 x2, int32 y2) {
    MoveDirection d;
    d.movingDown = y1 < y2;
    d.movingRight = x1 < x2;
    const double dx = std::abs(static_cast<double>(x2) - x1);
    const double dy = std::abs(static_cast<double>(y2) - y1);
    if (dx > dy) {
        d.xLonger = true;
        d.xstep = 1;
        d.ystep = dy / dx;
        d.count = dx;
    } else if (dy > dx) {
        d.ystep = 1;
        d.xstep = dx / dy;
        d.count = dy;
    } else {
        d.xstep = 1;
        d.ystep = 1;
        d.count = dy;
    }
    if (x2 < x1) {
        d.xstep = -d.xstep;
    }
    if (y2 < y1) {
        d.ystep = -d.ystep;
    }
    return d;
}

int32 frameCount(double count, int16 step) {
    if (step <= 0) {
        return 0;
    }
    return static_cast<int32>(roundToInt(count / step));
}

CardMovePlan planCardMove(int32 x1, int32 y1, int32 x2, int32 y2, int16 step, int32 cardWidth,
                          int32 cardHeight, bool animate) {
    CardMovePlan plan;
    plan.direction = moveDirection(x1, y1, x2, y2);
    plan.last = {x1, y1};
    plan.landing = {x2, y2};
    if (!animate) {
        return plan;
    }
    const MoveDirection& d = plan.direction;
    const int32 frames = frameCount(d.count, step);
    plan.frames.reserve(static_cast<std::size_t>(frames));
    FramePoint at{x1, y1};
    double shorter = d.xLonger ? y1 : x1;
    for (int32 f = 1; f <= frames; ++f) {
        if (d.xLonger) {
            at.x = static_cast<int32>(roundToInt(at.x + step * d.xstep));
            shorter += step * d.ystep;
            at.y = static_cast<int32>(std::floor(shorter));
        } else {
            at.y = static_cast<int32>(roundToInt(at.y + step * d.ystep));
            shorter += step * d.xstep;
            at.x = static_cast<int32>(std::floor(shorter));
        }
        plan.frames.push_back({at, shownRect(at, d, x2, cardWidth, cardHeight)});
    }
    plan.last = at;
    return plan;
}

bool flightUsesCustomBack(bool isPoker, bool pokerCustomBack, bool rummyCustomBack, int32 card) {
    if (isPoker) {
        return pokerCustomBack;
    }
    const bool isFace = card >= 0 && card <= 51;
    return rummyCustomBack && !isFace;
}

int16 scrollValForDelay(int32 delay) {
    if (delay >= 0 && delay <= 500) {
        return static_cast<int16>(1000 - delay);
    }
    if (delay >= 501 && delay <= 750) {
        return 400;
    }
    return 250;
}

double frameMicrosForDelay(int32 delay) {
    if (delay <= 0) {
        return 0.0;
    }
    if (delay <= kSlowHalfStart) {
        return delay * kMicrosPerDelayUnit;
    }
    const double fastest = kSlowHalfStart * kMicrosPerDelayUnit;
    const double perUnit =
        (kSlowestFrameMicros - fastest) / (kSlowestAnimationDelay - kSlowHalfStart);
    return fastest + (std::min(delay, kSlowestAnimationDelay) - kSlowHalfStart) * perUnit;
}

double flightFrameMicros(int32 delay, long frames) {
    const double frame = frameMicrosForDelay(delay);
    if (frames <= 0) {
        return frame;
    }
    return std::min(frame, kLongestFlightMs * 1000.0 / static_cast<double>(frames));
}

int32 predictedCalibrationDelay(double workMicrosPerFrame) {
    const double targetPerFrame = kCalibrationTargetMs * 1000.0 / kCalibrationFrames;
    if (workMicrosPerFrame >= targetPerFrame) {
        return 0;
    }
    const double units = targetPerFrame / kMicrosPerDelayUnit / kCalibrationDelayStep;
    return static_cast<int32>(std::ceil(units)) * kCalibrationDelayStep;
}

} // namespace quillan

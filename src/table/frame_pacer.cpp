#include "table/frame_pacer.h"

#include <cmath>

#include "platform/platform.h"
#include "table/card_animation_rules.h"

namespace quillan {

FramePacer::FramePacer(Platform& platform, int32 animationDelay, long frames)
    : platform_(&platform), frameMs_(flightFrameMicros(animationDelay, frames) / 1000.0),
      startMs_(platform.tickCount()), eventsMs_(startMs_) {}

void FramePacer::frameDone() {
    ++frames_;
    const qint64 now = platform_->tickCount();
    const double due = static_cast<double>(startMs_) + static_cast<double>(frames_) * frameMs_;
    const double remaining = frameMs_ > 0 ? due - static_cast<double>(now) : 0.0;
    if (remaining > 0) {
        platform_->frameWait(static_cast<int>(std::ceil(remaining)));
    } else if (now - eventsMs_ >= kLongestEventGapMs) {
        platform_->frameWait(0);
    } else {
        return;
    }
    eventsMs_ = platform_->tickCount();
}

namespace {

qint64 timedPass(Platform& platform, int32 delay, const std::function<void()>& frameWork) {
    const qint64 start = platform.tickCount();
    FramePacer pacer(platform, delay);
    for (int f = 0; f < kCalibrationFrames; ++f) {
        frameWork();
        pacer.frameDone();
    }
    return platform.tickCount() - start;
}

} // namespace

int32 calibrateAnimationDelay(Platform& platform, const std::function<void()>& frameWork) {
    const qint64 bare = timedPass(platform, 0, frameWork);
    if (bare >= kCalibrationTargetMs) {
        return 0;
    }
    platform.doEvents();
    const double workMicros = static_cast<double>(bare) * 1000.0 / kCalibrationFrames;
    int32 delay = predictedCalibrationDelay(workMicros);
    // The slowest setting ends the search even where sleeping does not pass the time.
    while (delay < kSlowestAnimationDelay &&
           timedPass(platform, delay, frameWork) < kCalibrationTargetMs) {
        delay += kCalibrationDelayStep;
        platform.doEvents();
    }
    return delay;
}

} // namespace quillan

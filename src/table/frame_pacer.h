#pragma once
// Pacing of card animation frames. Each frame of a stored delay d lasts
// flightFrameMicros(d, frames); after drawing a frame the pacer waits (Platform::frameWait:
// window events other than input run meanwhile, no spinning) until that frame's time is up,
// counted from the first frame, so a move takes the same time on fast and slow machines.
// Delay 0 never waits. Where there is no time to wait (delay 0, or drawing slower than the
// frames), the window's events are still let run every kLongestEventGapMs, so a long flight
// or a whole deal never stops the window answering.

#include <QtGlobal>
#include <functional>

#include "common/int16.h"

namespace quillan {

class Platform;

class FramePacer {
  public:
    // With `frames` > 0 the frames of a flight of that many are paced so that the whole
    // flight stays within the longest flight (flightFrameMicros).
    FramePacer(Platform& platform, int32 animationDelay, long frames = 0);

    // Call after each frame has been shown.
    void frameDone();

    static constexpr qint64 kLongestEventGapMs = 20;

  private:
    Platform* platform_;
    double frameMs_;
    qint64 startMs_;
    qint64 eventsMs_; // when window events were last let run
    long frames_ = 0;
};

// InitAnimDelay's measurement: finds the smallest delay (a multiple of 10) for which
// kCalibrationFrames runs of `frameWork`, paced, last at least kCalibrationTargetMs, letting
// window events run between tries. The first try at delay 0 measures the drawing alone; the
// search then starts at the delay that the frame length alone needs.
int32 calibrateAnimationDelay(Platform& platform, const std::function<void()>& frameWork);

} // namespace quillan

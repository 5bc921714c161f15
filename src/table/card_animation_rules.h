#pragma once
// The geometry of a card sliding across the table: which axis leads, how many frames a
// move takes, where the card is in each frame and which rectangle of the back buffer each
// frame shows; and the speed calibration's mapping to the speed slider.

#include <vector>

#include "common/int16.h"

namespace quillan {

struct FramePoint {
    int32 x = 0;
    int32 y = 0;
    bool operator==(const FramePoint&) const = default;
};

struct FrameRect {
    int32 x = 0;
    int32 y = 0;
    int32 w = 0;
    int32 h = 0;
    bool operator==(const FrameRect&) const = default;
};

// Direction of a move from (x1, y1) to (x2, y2).
struct MoveDirection {
    bool movingDown = false;  // y1 < y2
    bool movingRight = false; // x1 < x2
    bool xLonger = false;     // x is the leading axis (dx > dy); ties lead with y
    double xstep = 0;         // signed advance per unit of step along x
    double ystep = 0;         // signed advance per unit of step along y
    double count = 0;         // length along the leading axis
};

MoveDirection moveDirection(int32 x1, int32 y1, int32 x2, int32 y2);

// Number of frames: count / step, halves to even. A step of 0 or less gives no frames.
int32 frameCount(double count, int16 step);

// One frame: the card's top-left corner and the (W + 10) x (H + 10) rectangle of the back
// buffer shown on the window, covering the card and the strip it has just left.
struct AnimationFrame {
    FramePoint card;
    FrameRect shown;
    bool operator==(const AnimationFrame&) const = default;
};

struct CardMovePlan {
    MoveDirection direction;
    std::vector<AnimationFrame> frames; // empty when animation is off or nothing moves
    FramePoint last;                    // position of the last frame (the start when none)
    FramePoint landing;                 // (x2, y2): where the final picture goes, always
};

// Plans a move of a cardWidth x cardHeight card. With animate false only the landing is
// planned. Along the leading axis the position is rounded half to even; along the other
// it is carried as a double and floored.
CardMovePlan planCardMove(int32 x1, int32 y1, int32 x2, int32 y2, int16 step, int32 cardWidth,
                          int32 cardHeight, bool animate);

// Whether a moving or landing card is painted from the custom back picture rather than by
// the card library: in Video Poker whenever its custom back is set; in Gin Rummy when its
// custom back is set and the card is not a face (0..51).
bool flightUsesCustomBack(bool isPoker, bool pokerCustomBack, bool rummyCustomBack, int32 card);

// Speed slider position after calibration: 0..500 -> 1000 - d, 501..750 -> 400, else 250.
int16 scrollValForDelay(int32 delay);

// Calibration: 150 card frames must take at least this long.
inline constexpr int kCalibrationFrames = 150;
inline constexpr int kCalibrationTargetMs = 300;
inline constexpr int32 kCalibrationDelayStep = 10;

// Frame pacing. A delay unit is 10 microseconds of frame time up to the middle of the speed
// slider (delay 500: 5 ms a frame), where the calibrated speeds lie; the slow half of the
// slider (delays 500 to 6000) spreads evenly from there to kSlowestFrameMicros. A stored
// delay beyond the slider's slowest setting paces as that setting. However long a flight
// is, it takes at most kLongestFlightMs: its frames are shortened to fit.
inline constexpr int32 kSlowestAnimationDelay = 6000; // the slider's left end
inline constexpr double kSlowestFrameMicros = 10000;
inline constexpr int kLongestFlightMs = 2500;

// Length of one animation frame in microseconds for a stored delay (0 for d <= 0).
double frameMicrosForDelay(int32 delay);

// Length of each frame of a flight of `frames` frames: frameMicrosForDelay(delay), shortened
// so that the whole flight lasts at most kLongestFlightMs.
double flightFrameMicros(int32 delay, long frames);

// Smallest delay (a multiple of kCalibrationDelayStep) whose frame length alone makes
// kCalibrationFrames frames last kCalibrationTargetMs, given the measured cost of one frame's
// drawing; 0 when the drawing alone is slow enough.
int32 predictedCalibrationDelay(double workMicrosPerFrame);

} // namespace quillan

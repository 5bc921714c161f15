#pragma once
// Sound cues: a wave file under the program folder, played without waiting, only when
// sound is on and the file exists. A new cue cuts off the one still playing (the
// platform's player does not queue). Nothing is ever shown for sound.

#include <QString>

#include "common/int16.h"

namespace quillan {

class Platform;

// Plays `relativeName` (for example "\wavs\drop.wav") when `prfSound` is set and the file
// exists and is not empty. Returns whether it was played.
bool playSoundCue(Platform& platform, int16 prfSound, const QString& relativeName);

} // namespace quillan

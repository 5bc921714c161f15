#pragma once
// Every sound cue the program plays, by file name.
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "make_assets/wave.h"

namespace make_assets {

std::vector<std::pair<QString, std::function<Wave()>>> soundCues();
// Stand-ins for the spoken cues when no recording is at hand.
Wave ohDearTune();
Wave dohTune();

} // namespace make_assets

#pragma once
#include <QString>

namespace make_assets {

// Synthesises every sound cue into folder (16-bit mono PCM WAV, equal loudness). Voice cues
// found in speechFolder (as recorded WAV files of the same name) are levelled and used;
// a missing one is replaced by a synthesised phrase.
bool writeSounds(const QString& folder, const QString& speechFolder);

} // namespace make_assets

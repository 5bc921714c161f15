#pragma once
// A mono sound in memory, its 16-bit PCM WAV file form, and levelling.
#include <QString>
#include <vector>

namespace make_assets {

inline constexpr int kSampleRate = 22050;

struct Wave {
    int rate = kSampleRate;
    std::vector<double> samples; // -1..1
};

Wave silence(double seconds);
double duration(const Wave& wave);
// Mixes other into wave starting at the given time, growing wave when needed.
void mixIn(Wave& wave, const Wave& other, double atSeconds, double gain = 1.0);
// Loudest 50 ms stretch, as RMS.
double shortTermLoudness(const Wave& wave);
// Scales to the common loudness (peak kept below clipping), trims silent ends, adds short fades.
void level(Wave& wave);

bool writeWav(const Wave& wave, const QString& path);
// Reads a 16-bit PCM WAV (mono, or the left channel of stereo); empty on failure.
Wave readWav(const QString& path);

} // namespace make_assets

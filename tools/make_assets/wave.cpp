#include "make_assets/wave.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace make_assets {
namespace {

constexpr double kTargetLoudness = 0.2; // about -14 dBFS over the loudest 50 ms
constexpr double kPeakLimit = 0.9;
constexpr double kKnee = 0.6;

void appendLe(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void trimSilence(Wave& wave) {
    const auto loud = [](double s) { return std::abs(s) > 0.01; };
    const auto first = std::find_if(wave.samples.begin(), wave.samples.end(), loud);
    const auto last = std::find_if(wave.samples.rbegin(), wave.samples.rend(), loud).base();
    if (first >= last) {
        return;
    }
    wave.samples = std::vector<double>(first, last);
}

void fadeEnds(Wave& wave) {
    const std::size_t n = std::min<std::size_t>(wave.samples.size() / 4, wave.rate * 4 / 1000);
    for (std::size_t i = 0; i < n; ++i) {
        const double f = static_cast<double>(i) / static_cast<double>(n);
        wave.samples[i] *= f;
        wave.samples[wave.samples.size() - 1 - i] *= f;
    }
}

} // namespace

Wave silence(double seconds) {
    Wave w;
    w.samples.assign(static_cast<std::size_t>(seconds * w.rate), 0.0);
    return w;
}

double duration(const Wave& wave) {
    return static_cast<double>(wave.samples.size()) / wave.rate;
}

void mixIn(Wave& wave, const Wave& other, double atSeconds, double gain) {
    const auto start = static_cast<std::size_t>(std::max(0.0, atSeconds) * wave.rate);
    if (wave.samples.size() < start + other.samples.size()) {
        wave.samples.resize(start + other.samples.size(), 0.0);
    }
    for (std::size_t i = 0; i < other.samples.size(); ++i) {
        wave.samples[start + i] += gain * other.samples[i];
    }
}

double shortTermLoudness(const Wave& wave) {
    const std::size_t window = static_cast<std::size_t>(wave.rate) / 20;
    if (wave.samples.empty()) {
        return 0.0;
    }
    double sum = 0;
    double best = 0;
    for (std::size_t i = 0; i < wave.samples.size(); ++i) {
        sum += wave.samples[i] * wave.samples[i];
        if (i >= window) {
            sum -= wave.samples[i - window] * wave.samples[i - window];
        }
        best = std::max(best, sum);
    }
    return std::sqrt(best / static_cast<double>(std::min(window, wave.samples.size())));
}

void level(Wave& wave) {
    trimSilence(wave);
    const double loudness = shortTermLoudness(wave);
    if (loudness <= 0.0) {
        return;
    }
    // Bring the loudest stretch to the common level; peaks that would pass the limit are
    // rounded off softly rather than making the whole cue quieter.
    const double gain = kTargetLoudness / loudness;
    for (double& s : wave.samples) {
        const double v = s * gain;
        s = std::abs(v) <= kKnee
                ? v
                : std::copysign(kKnee + (kPeakLimit - kKnee) *
                                            std::tanh((std::abs(v) - kKnee) / (kPeakLimit - kKnee)),
                                v);
    }
    fadeEnds(wave);
}

bool writeWav(const Wave& wave, const QString& path) {
    QByteArray out;
    const auto dataBytes = static_cast<quint32>(wave.samples.size() * 2);
    out.append("RIFF");
    appendLe(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    appendLe(out, 16, 4);
    appendLe(out, 1, 2); // PCM
    appendLe(out, 1, 2); // mono
    appendLe(out, static_cast<quint32>(wave.rate), 4);
    appendLe(out, static_cast<quint32>(wave.rate * 2), 4);
    appendLe(out, 2, 2);
    appendLe(out, 16, 2);
    out.append("data");
    appendLe(out, dataBytes, 4);
    for (const double s : wave.samples) {
        const auto v = static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
        appendLe(out, static_cast<quint16>(v), 2);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

Wave readWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return {};
    }
    const auto* raw = reinterpret_cast<const uchar*>(bytes.constData());
    int channels = 0;
    Wave wave;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(raw + at + 4));
        const qsizetype body = at + 8;
        if (size < 0 || body + size > bytes.size()) {
            break;
        }
        if (id == "fmt " && size >= 16) {
            channels = qFromLittleEndian<quint16>(raw + body + 2);
            wave.rate = static_cast<int>(qFromLittleEndian<quint32>(raw + body + 4));
            if (qFromLittleEndian<quint16>(raw + body) != 1 ||
                qFromLittleEndian<quint16>(raw + body + 14) != 16) {
                return {};
            }
        } else if (id == "data" && channels > 0) {
            for (qsizetype i = body; i + 2 * channels <= body + size; i += 2 * channels) {
                wave.samples.push_back(qFromLittleEndian<qint16>(raw + i) / 32768.0);
            }
            return wave;
        }
        at = body + size + (size % 2);
    }
    return {};
}

} // namespace make_assets

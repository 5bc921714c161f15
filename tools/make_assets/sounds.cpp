#include "make_assets/sounds.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "make_assets/cues.h"

namespace make_assets {

bool writeSounds(const QString& folder, const QString& speechFolder) {
    const QDir out(folder);
    if (!out.mkpath(QStringLiteral("."))) {
        return false;
    }
    bool ok = true;
    for (const auto& [name, make] : soundCues()) {
        Wave wave = make();
        const QString recorded = QDir(speechFolder).filePath(name);
        if (!speechFolder.isEmpty() && QFileInfo::exists(recorded)) {
            Wave voice = readWav(recorded);
            if (voice.samples.empty() || voice.rate != kSampleRate) {
                QTextStream(stderr) << "ignoring unreadable recording " << recorded << '\n';
            } else {
                wave = std::move(voice);
            }
        }
        level(wave);
        if (!writeWav(wave, out.filePath(name))) {
            QTextStream(stderr) << "cannot write " << out.filePath(name) << '\n';
            ok = false;
        }
    }
    return ok;
}

} // namespace make_assets

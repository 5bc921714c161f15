#include "platform/sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace quillan {

SoundPlayer::SoundPlayer() : hasOutput_(!QMediaDevices::audioOutputs().isEmpty()) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& path) {
    if (!hasOutput_ || path.isEmpty()) {
        return;
    }
    if (playing_ != nullptr) {
        playing_->stop();
    }
    auto& effect = effects_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    playing_ = effect.get();
    playing_->play(); // starts as soon as the file is loaded
}

} // namespace quillan

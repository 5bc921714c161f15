#pragma once
// Plays wave files without waiting. A new cue stops the one still playing; without an
// audio output nothing is played and nothing is printed.

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace quillan {

class SoundPlayer {
  public:
    SoundPlayer();
    ~SoundPlayer();
    void play(const QString& path);

  private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
    bool hasOutput_ = false;
};

} // namespace quillan

#include "table/sound_cue.h"

#include "platform/platform.h"
#include "table/program_files.h"

namespace quillan {

bool playSoundCue(Platform& platform, int16 prfSound, const QString& relativeName) {
    if (!isSet(prfSound)) {
        return false;
    }
    const QString path = programFilePath(platform.programFolder(), relativeName);
    if (!FileExists(path)) {
        return false;
    }
    platform.playSound(path);
    return true;
}

} // namespace quillan

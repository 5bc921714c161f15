#include "platform/opponent_level_store.h"

#include "platform/extra_settings.h"

namespace quillan {

namespace {
constexpr const char* kKey = "Opponent/Level";
}

std::string readOpponentLevel() {
    return readExtraSetting(kKey);
}

void writeOpponentLevel(const std::string& level) {
    writeExtraSetting(kKey, level);
}

} // namespace quillan

#include "gin/player_levels_rules.h"

#include "gin/baseline_player_rules.h"
#include "gin/expert_player_rules.h"
#include "gin/standard_player_rules.h"
#include "gin/strong_player_rules.h"

namespace quillan {

const std::vector<std::string>& playerLevelNames() {
    static const std::vector<std::string> names{"standard", "strong", "expert", "baseline"};
    return names;
}

std::unique_ptr<GinPlayer> makeGinPlayer(const std::string& level, const PlayerOptions& options) {
    if (level == "standard") {
        return std::make_unique<StandardPlayer>();
    }
    if (level == "strong") {
        return std::make_unique<StrongPlayer>();
    }
    if (level == "expert") {
        ExpertOptions e;
        e.seed = options.seed;
        e.budgetMs = options.budgetMs;
        e.fixedSamples = options.fixedSamples;
        return std::make_unique<ExpertPlayer>(e);
    }
    if (level == "baseline") {
        return std::make_unique<BaselinePlayer>();
    }
    return nullptr;
}

} // namespace quillan

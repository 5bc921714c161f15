#include "arena_side.h"

#include <stdexcept>

namespace quillan::arena {

SidePlayers::SidePlayers(const SideSpec& spec, const ArenaOptions& options, LevelMaker makeLevel)
    : spec_(spec), budgetMs_(options.budgetMs), makeLevel_(std::move(makeLevel)) {
    if (spec.external()) {
        external_ = std::make_unique<ExternalPlayer>(spec.command, options.answerSeconds);
    }
}

GinPlayer& SidePlayers::forHand(std::uint64_t seed) {
    if (external_ != nullptr) {
        return *external_;
    }
    PlayerOptions options;
    options.seed = seed;
    options.budgetMs = budgetMs_;
    level_ = makeLevel_(spec_.level, options);
    if (level_ == nullptr) {
        throw std::invalid_argument("unknown level " + spec_.level);
    }
    return *level_;
}

} // namespace quillan::arena

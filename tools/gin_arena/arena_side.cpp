#include "arena_side.h"

#include <stdexcept>

namespace quillan::arena {

SidePlayers::SidePlayers(const SideChoice& choice, const ArenaOptions& options,
                         LevelMaker makeLevel)
    : choice_(choice), budgetMs_(options.budgetMs), makeLevel_(std::move(makeLevel)) {
    if (choice.external()) {
        external_ = std::make_unique<ExternalPlayer>(choice.command, options.answerSeconds);
    }
}

GinPlayer& SidePlayers::forHand(std::uint64_t seed) {
    if (external_ != nullptr) {
        return *external_;
    }
    PlayerOptions options;
    options.seed = seed;
    options.budgetMs = budgetMs_;
    level_ = makeLevel_(choice_.level, options);
    if (level_ == nullptr) {
        throw std::invalid_argument("unknown level " + choice_.level);
    }
    return *level_;
}

} // namespace quillan::arena

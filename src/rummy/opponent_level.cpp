#include "rummy/opponent_level.h"

#include <algorithm>

namespace quillan {

namespace {

std::unique_ptr<GinPlayer> levelPlayer(const std::string& level, std::uint64_t seed) {
    PlayerOptions options;
    options.seed = seed;
    return makeGinPlayer(level, options);
}

} // namespace

const std::vector<std::string>& OpponentLevel::offered() {
    static const std::vector<std::string> levels{"standard", "strong", "expert"};
    return levels;
}

std::string OpponentLevel::fromText(const std::string& text) {
    const auto& levels = offered();
    return std::find(levels.begin(), levels.end(), text) != levels.end() ? text : levels.front();
}

OpponentLevel::OpponentLevel(const std::string& chosen, Store store)
    : chosen_(fromText(chosen)), handLevel_(offered().front()), store_(std::move(store)),
      factory_(levelPlayer) {}

void OpponentLevel::useStore(const std::string& chosen, Store store) {
    chosen_ = fromText(chosen);
    store_ = std::move(store);
}

void OpponentLevel::choose(const std::string& level) {
    const std::string name = fromText(level);
    if (name == chosen_) {
        return;
    }
    chosen_ = name;
    if (store_) {
        store_(chosen_);
    }
}

void OpponentLevel::startHand(const HandStart& start) {
    start_ = start;
    sightings_.reset();
    computerTookReject_ = false;
    heldTurn_.reset();
    handLevel_ = chosen_;
    player_.reset();
    if (handLevel_ != offered().front()) {
        player_ = factory_(handLevel_, start.seed);
    }
    if (!player_) {
        handLevel_ = offered().front(); // a level that cannot be made plays as Standard
    }
}

void OpponentLevel::tookReject(Seat seat, int card) {
    sightings_.tookReject(seat, card);
    computerTookReject_ = seat == Seat::Computer;
    tell(seat, SeatEvent::Kind::TookReject, card);
}

void OpponentLevel::drewStock(Seat seat, int rejectTop, int card) {
    sightings_.drewStock(seat, rejectTop);
    computerTookReject_ = false;
    tell(seat, SeatEvent::Kind::DrewStock, card);
}

void OpponentLevel::threw(Seat seat, int card) {
    sightings_.threw(seat, card);
    tell(seat, SeatEvent::Kind::Discarded, card);
}

// The computer's seat sees its own cards and every card that goes on or off the reject pile,
// never the card the person draws from the stock.
void OpponentLevel::tell(Seat seat, SeatEvent::Kind kind, int card) {
    if (!player_) {
        return;
    }
    player_->observe(seatEventFor(Seat::Computer, seat, kind, card));
}

} // namespace quillan

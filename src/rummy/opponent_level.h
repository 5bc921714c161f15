#pragma once
// The computer opponent's level: the one the player chose ("standard", "strong" or
// "expert") and the one the present hand is played at. A choice takes effect when the next
// hand is dealt. For a hand at a level other than Standard this keeps the level's player and
// what the computer's seat has seen of the hand, and tells the player each take and throw
// as its seat sees them.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gin/player_levels_rules.h"
#include "gin/seat_sightings_rules.h"

namespace quillan {

class OpponentLevel {
  public:
    using Store = std::function<void(const std::string&)>;

    // The levels a player may choose, in menu order; the first is the default.
    static const std::vector<std::string>& offered();
    // A stored text as a level: an offered name, else the default.
    static std::string fromText(const std::string& text);

    explicit OpponentLevel(const std::string& chosen = offered().front(), Store store = {});

    // Where the choice is kept; `chosen` is the stored choice (read before the first hand).
    void useStore(const std::string& chosen, Store store);
    // Stored at once; the hand being played keeps its level.
    void choose(const std::string& level);
    const std::string& chosen() const { return chosen_; }

    // A hand is dealt and `leader` takes first; the hand is played at the chosen level and
    // its seat views show the banks as they stand now. `seed` seeds the levels that sample.
    struct HandStart {
        Seat leader = Seat::Player;
        int16 playerBank = 0;
        int16 computerBank = 0;
        std::uint64_t seed = 1;
    };
    void startHand(const HandStart& start);
    const HandStart& handStart() const { return start_; }
    const std::string& handLevel() const { return handLevel_; }
    // The hand's level decides the computer's moves (false at Standard, and after the player
    // was let go).
    bool decides() const { return player_ != nullptr; }
    // The player, shared with a decision still running on another thread.
    std::shared_ptr<GinPlayer> player() const { return player_; }
    // A decision was abandoned (the window is closing): the rest of the hand is played by the
    // table's own rules and the player is not touched again from here.
    void letGo() { player_.reset(); }

    // Makes the players of the levels (a test puts its own here).
    using Factory = std::function<std::unique_ptr<GinPlayer>(const std::string&, std::uint64_t)>;
    void setFactory(Factory factory) { factory_ = std::move(factory); }
    // Lets a test choose a level the menu does not offer.
    void chooseAny(const std::string& level) { chosen_ = level; }

    // What the computer's seat sees happen.
    const SeatSightings& sightings() const { return sightings_; }
    void tookReject(Seat seat, int card);
    void drewStock(Seat seat, int rejectTop, int card);
    void threw(Seat seat, int card);
    // The computer's card of this turn came from the reject pile.
    bool computerTookReject() const { return computerTookReject_; }

    // A turn choice made at the knock, carried out when the turn throws its card.
    void holdTurn(const TurnChoice& choice) { heldTurn_ = choice; }
    std::optional<TurnChoice> takeHeldTurn() {
        std::optional<TurnChoice> held = heldTurn_;
        heldTurn_.reset();
        return held;
    }

  private:
    void tell(Seat seat, SeatEvent::Kind kind, int card);

    std::string chosen_;
    std::string handLevel_;
    Store store_;
    Factory factory_;
    std::shared_ptr<GinPlayer> player_;
    SeatSightings sightings_;
    HandStart start_;
    bool computerTookReject_ = false;
    std::optional<TurnChoice> heldTurn_;
};

} // namespace quillan

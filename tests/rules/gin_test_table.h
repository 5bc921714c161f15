#pragma once
// Hand-made Gin Rummy deals for the engine tests: a deck order from the two hands, the upcard
// and the stock cards in the order they will be drawn, and a player that follows a script.

#include <deque>
#include <stdexcept>
#include <string>

#include "gin/gin_table_rules.h"
#include "rules/rummy_test_cards.h"

namespace quillan::test {

// The computer is dealt deck positions 0..9, the person 10..19; the upcard is the top of the
// stock (position 51) and the stock is then drawn from position 50 down. Cards not named fill
// the bottom of the stock in ascending order.
inline DeckOrder deckOf(const std::string& computer, const std::string& player,
                        const std::string& upcard, const std::string& stockDraws = "") {
    DeckOrder deck{};
    std::array<bool, 52> used{};
    const auto place = [&](int position, const CardSlot& c) {
        if (used[static_cast<size_t>(c.cardvalue)]) {
            throw std::invalid_argument("card dealt twice: " + name(c));
        }
        used[static_cast<size_t>(c.cardvalue)] = true;
        deck[static_cast<size_t>(position)] = static_cast<std::int8_t>(c.cardvalue);
    };
    const auto c = cards(computer);
    const auto p = cards(player);
    for (int i = 0; i < 10; ++i) {
        place(i, c.at(static_cast<size_t>(i)));
        place(10 + i, p.at(static_cast<size_t>(i)));
    }
    place(51, card(upcard));
    int position = 50;
    for (const CardSlot& s : cards(stockDraws)) {
        place(position--, s);
    }
    int fill = 20;
    for (int v = 0; v < 52; ++v) {
        if (!used[static_cast<size_t>(v)]) {
            deck[static_cast<size_t>(fill++)] = static_cast<std::int8_t>(v);
        }
    }
    return deck;
}

// Plays the moves it is given ("stock", "reject", "knock", "gin" or a card to throw, as "7S");
// with none left it draws from the stock and throws the card it took.
class ScriptedPlayer final : public GinPlayer {
  public:
    explicit ScriptedPlayer(const std::string& script = "") {
        std::istringstream in(script);
        for (std::string word; in >> word;) {
            moves_.push_back(word);
        }
    }
    DrawChoice chooseDraw(const SeatView& view) override {
        views.push_back(view);
        const std::string m = next();
        return m == "reject" ? DrawChoice::Reject : DrawChoice::Stock;
    }
    TurnChoice chooseTurn(const SeatView& view) override {
        views.push_back(view);
        const std::string m = next();
        if (m == "knock") {
            return TurnChoice::knock();
        }
        if (m == "gin") {
            return TurnChoice::gin();
        }
        return TurnChoice::discard(m.empty() ? view.takenCard : card(m).cardvalue);
    }
    std::vector<SeatView> views;

  private:
    std::string next() {
        if (moves_.empty()) {
            return {};
        }
        std::string m = moves_.front();
        moves_.pop_front();
        return m;
    }
    std::deque<std::string> moves_;
};

} // namespace quillan::test

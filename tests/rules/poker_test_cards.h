#pragma once
// Writes poker hands for tests as text: "JS JH 4D 7C 9S", "TH" for the ten of hearts.
// Suits run clubs (C), diamonds (D), hearts (H), spades (S), as the card numbering does.

#include <sstream>
#include <stdexcept>
#include <string>

#include "cards/card_slot.h"
#include "poker/poker_eval_rules.h"

namespace quillan::test {

inline int cardValue(const std::string& text) {
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "CDHS";
    const auto rank = ranks.find(text.at(0));
    const auto suit = suits.find(text.at(1));
    if (text.size() != 2 || rank == std::string::npos || suit == std::string::npos) {
        throw std::invalid_argument("bad card " + text);
    }
    return static_cast<int>(rank * 4 + suit);
}

inline PokerHand pokerHand(const std::string& text) {
    std::istringstream in(text);
    PokerHand hand;
    std::string card;
    for (int i = 0; i < 5; ++i) {
        in >> card;
        setCard(hand[i], cardValue(card));
    }
    return hand;
}

inline int16 dealtCategory(const std::string& text) {
    return EvaluatePokerHand(pokerHand(text), kDealtHandMode);
}
inline int16 finalCategory(const std::string& text) {
    return EvaluatePokerHand(pokerHand(text), kFinalMode);
}

} // namespace quillan::test

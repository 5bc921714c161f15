#pragma once
// Card notation for the Gin Rummy rule tests: "7S" is the seven of spades; ranks A 2..9 T J Q K,
// suits C D H S (clubs 0, diamonds 1, hearts 2, spades 3).

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "rummy/card_list_rules.h"

namespace quillan::test {

inline CardSlot card(const std::string& text) {
    const std::string ranks = "A23456789TJQK";
    const std::string suits = "CDHS";
    const auto r = ranks.find(text.at(0));
    const auto s = suits.find(text.at(1));
    if (text.size() != 2 || r == std::string::npos || s == std::string::npos) {
        throw std::invalid_argument("bad card " + text);
    }
    return cardOf(static_cast<int>(r * 4 + s));
}

inline std::vector<CardSlot> cards(const std::string& text) {
    std::istringstream in(text);
    std::vector<CardSlot> out;
    for (std::string word; in >> word;) {
        out.push_back(card(word));
    }
    return out;
}

inline CardList list(const std::string& text) {
    return CardList(std::span<const CardSlot>(cards(text)));
}

inline std::string name(const CardSlot& c) {
    if (c.rank <= 0) {
        return "--";
    }
    return std::string(1, "A23456789TJQK"[c.rank - 1]) + "CDHS"[c.suit];
}

inline std::string names(std::span<const CardSlot> list) {
    std::string out;
    for (const CardSlot& c : list) {
        out += (out.empty() ? "" : " ") + name(c);
    }
    return out;
}

inline std::string names(const CardList& list) {
    return names(list.span());
}

} // namespace quillan::test

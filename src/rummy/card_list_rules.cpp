#include "rummy/card_list_rules.h"

#include <algorithm>

namespace quillan {

CardList::CardList(std::initializer_list<CardSlot> cards) {
    for (const CardSlot& c : cards) {
        push(c);
    }
}

CardList::CardList(std::span<const CardSlot> cards) {
    for (const CardSlot& c : cards) {
        push(c);
    }
}

void CardList::push(const CardSlot& card) {
    if (count_ >= kCapacity) {
        raiseSubscriptOutOfRange();
    }
    cards_[static_cast<size_t>(count_++)] = card;
}

CardSlot& CardList::operator[](int i) {
    if (i < 0 || i >= count_) {
        raiseSubscriptOutOfRange();
    }
    return cards_[static_cast<size_t>(i)];
}

const CardSlot& CardList::operator[](int i) const {
    if (i < 0 || i >= count_) {
        raiseSubscriptOutOfRange();
    }
    return cards_[static_cast<size_t>(i)];
}

bool CardList::holds(int cardvalue) const {
    return std::any_of(begin(), end(), [cardvalue](const CardSlot& c) {
        return c.rank > 0 && c.cardvalue == cardvalue;
    });
}

bool CardList::operator==(const CardList& other) const {
    return std::equal(begin(), end(), other.begin(), other.end());
}

CardSlot cardOf(int value) {
    CardSlot slot;
    setCard(slot, value);
    return slot;
}

} // namespace quillan

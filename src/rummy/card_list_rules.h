#pragma once
// A short list of card slots with room for a whole hand (eleven cards): the working lists,
// melds and unmatched lists of the Gin Rummy rules. It never allocates; pushing a twelfth
// card raises "Subscript out of range".

#include <array>
#include <span>

#include "cards/card_slot.h"

namespace quillan {

class CardList {
  public:
    static constexpr int kCapacity = 11;

    CardList() = default;
    CardList(std::initializer_list<CardSlot> cards);
    explicit CardList(std::span<const CardSlot> cards);

    void push(const CardSlot& card);
    void clear() { count_ = 0; }
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }

    CardSlot& operator[](int i);
    const CardSlot& operator[](int i) const;
    const CardSlot& front() const { return (*this)[0]; }
    const CardSlot& back() const { return (*this)[count_ - 1]; }

    CardSlot* begin() { return cards_.data(); }
    CardSlot* end() { return cards_.data() + count_; }
    const CardSlot* begin() const { return cards_.data(); }
    const CardSlot* end() const { return cards_.data() + count_; }
    std::span<const CardSlot> span() const { return {cards_.data(), static_cast<size_t>(count_)}; }

    // True when a card with this cardvalue is in the list (empty entries, rank 0, never match).
    bool holds(int cardvalue) const;

    bool operator==(const CardList& other) const;

  private:
    std::array<CardSlot, kCapacity> cards_{};
    int count_ = 0;
};

// A card built from its value alone (rank and suit derived), as the tests and tools need.
CardSlot cardOf(int value);

} // namespace quillan

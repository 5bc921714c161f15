#pragma once
// The meld finders on card masks: one bit per card, suit-major (bit 16 * suit + rank - 1), so
// a suit's ranks are one 13-bit field and a finder is a handful of bit operations. A MaskHand
// remembers where each card stood in the list it was made from, so that "input order" (equal ranks
// in hand order) is kept exactly: a set takes the first cards of its rank in that order, and lists
// are written back in that order. Used by the finders of meld_rules.h and by the hand analysis.

#include <array>
#include <cstdint>

#include "rummy/card_list_rules.h"

namespace quillan {

using CardMask = std::uint64_t;

enum class MeldKind : unsigned char { Set, Run };

class MaskHand {
  public:
    // Every real card of the list (rank 1..13 matching its value); order = list order.
    explicit MaskHand(std::span<const CardSlot> cards);

    CardMask all() const { return all_; }

    // The cards of the mask as slots of the original list, in list order.
    CardList listOf(CardMask mask) const;
    // A meld as the finders store it: a set in list order, a 3-card run lowest card first, a
    // 4- or 5-card run highest card first.
    CardList meldOf(CardMask mask, MeldKind kind) const;

    // Set of k (3 or 4): ranks from king down with highFirst, from ace up otherwise; the first
    // k cards of the rank in list order. Returns 0 when none.
    CardMask findSet(CardMask cards, int k, bool highFirst) const;
    // Run of k (3..5): suits from 3 down with highFirst, from 0 up otherwise; the highest or
    // lowest window of k consecutive ranks in the suit. Returns 0 when none.
    static CardMask findRun(CardMask cards, int k, bool highFirst);

    static int16 deadwoodOf(CardMask mask);

  private:
    CardMask all_ = 0;
    std::array<std::int8_t, 64> slot_{}; // list position of each card bit, -1 when absent
    std::array<CardSlot, CardList::kCapacity> cards_{};
};

} // namespace quillan

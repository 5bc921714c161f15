#include "rummy/meld_mask_rules.h"

#include <bit>

namespace quillan {

namespace {

constexpr int bitIndex(int value) {
    return 16 * (value % 4) + value / 4;
}

constexpr CardMask bitOf(int value) {
    return CardMask{1} << bitIndex(value);
}

constexpr CardMask kOnePerSuit = 0x0001000100010001ULL;
constexpr CardMask kRankField = 0x1FFF;

constexpr int pointsOfBit(int bit) {
    return (bit & 15) + 1 < 10 ? (bit & 15) + 1 : 10;
}

} // namespace

MaskHand::MaskHand(std::span<const CardSlot> cards) {
    slot_.fill(-1);
    int n = 0;
    for (const CardSlot& c : cards) {
        const bool real = c.cardvalue >= 0 && c.cardvalue < 52 && c.rank == rankOf(c.cardvalue) &&
                          c.suit == suitOf(c.cardvalue);
        if (!real || (all_ & bitOf(c.cardvalue)) != 0) {
            continue;
        }
        if (n >= CardList::kCapacity) {
            raiseSubscriptOutOfRange();
        }
        all_ |= bitOf(c.cardvalue);
        slot_[static_cast<size_t>(bitIndex(c.cardvalue))] = static_cast<std::int8_t>(n);
        cards_[static_cast<size_t>(n++)] = c;
    }
}

CardList MaskHand::listOf(CardMask mask) const {
    std::array<int, CardList::kCapacity> at{};
    at.fill(-1);
    for (CardMask m = mask & all_; m != 0; m &= m - 1) {
        const int bit = std::countr_zero(m);
        at[static_cast<size_t>(slot_[static_cast<size_t>(bit)])] = bit;
    }
    CardList out;
    for (size_t i = 0; i < at.size(); ++i) {
        if (at[i] >= 0) {
            out.push(cards_[i]);
        }
    }
    return out;
}

CardList MaskHand::meldOf(CardMask mask, MeldKind kind) const {
    if (kind == MeldKind::Set) {
        return listOf(mask);
    }
    const bool ascending = std::popcount(mask) == 3;
    CardList out;
    for (CardMask m = mask & all_; m != 0;) {
        const int bit = ascending ? std::countr_zero(m) : 63 - std::countl_zero(m);
        out.push(cards_[static_cast<size_t>(slot_[static_cast<size_t>(bit)])]);
        m &= ~(CardMask{1} << bit);
    }
    return out;
}

CardMask MaskHand::findSet(CardMask cards, int k, bool highFirst) const {
    // Bit r of `ranks`: rank r + 1 has at least k cards (of four suit fields a, b, c, d).
    const auto a = static_cast<unsigned>(cards & kRankField);
    const auto b = static_cast<unsigned>((cards >> 16) & kRankField);
    const auto c = static_cast<unsigned>((cards >> 32) & kRankField);
    const auto d = static_cast<unsigned>((cards >> 48) & kRankField);
    const unsigned four = a & b & c & d;
    const unsigned ranks = k >= 4 ? four : (a & b & (c | d)) | (c & d & (a | b));
    if (ranks == 0) {
        return 0;
    }
    const int rank0 = highFirst ? 31 - std::countl_zero(ranks) : std::countr_zero(ranks);
    const CardMask ofRank = cards & (kOnePerSuit << rank0);
    if (k >= 4 || (four & (1u << rank0)) == 0) {
        return ofRank;
    }
    // Four of the rank and a set of three wanted: leave out the last in list order.
    int last = -1;
    for (CardMask m = ofRank; m != 0; m &= m - 1) {
        const int bit = std::countr_zero(m);
        if (last < 0 || slot_[static_cast<size_t>(bit)] > slot_[static_cast<size_t>(last)]) {
            last = bit;
        }
    }
    return ofRank & ~(CardMask{1} << last);
}

CardMask MaskHand::findRun(CardMask cards, int k, bool highFirst) {
    // Bit b: the k ranks from b up are all there. A suit's field has 13 ranks in 16 bits, so
    // no window reaches into the next suit, and the highest (lowest) bit is the highest
    // (lowest) window of the highest (lowest) suit that has one.
    CardMask windows = cards;
    for (int i = 1; i < k; ++i) {
        windows &= cards >> i;
    }
    if (windows == 0) {
        return 0;
    }
    const int low = highFirst ? 63 - std::countl_zero(windows) : std::countr_zero(windows);
    return ((CardMask{1} << k) - 1) << low;
}

int16 MaskHand::deadwoodOf(CardMask mask) {
    int sum = 0;
    for (CardMask m = mask; m != 0; m &= m - 1) {
        sum += pointsOfBit(std::countr_zero(m));
    }
    return static_cast<int16>(sum);
}

} // namespace quillan

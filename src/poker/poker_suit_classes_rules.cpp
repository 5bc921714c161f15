#include "poker/poker_suit_classes_rules.h"

#include <algorithm>
#include <bit>

namespace quillan {

namespace {

constexpr int kRanks = 13;
constexpr int kSuits = 4;
constexpr int kCards = 5;

// Rank sets (bit r = rank r + 1) by how many ranks they hold, ascending.
std::array<std::vector<unsigned>, kCards + 1> rankSetsBySize() {
    std::array<std::vector<unsigned>, kCards + 1> sets;
    for (unsigned m = 0; m < (1u << kRanks); ++m) {
        const int size = std::popcount(m);
        if (size <= kCards) {
            sets[static_cast<std::size_t>(size)].push_back(m);
        }
    }
    return sets;
}

// Renamings of the suits that leave the class as it is: 24 divided by the permutations of
// equal rank sets.
int dealsInClass(const std::array<unsigned, kSuits>& sets) {
    int deals = 24;
    int run = 1;
    for (int s = 1; s < kSuits; ++s) {
        run = sets[static_cast<std::size_t>(s)] == sets[static_cast<std::size_t>(s - 1)] ? run + 1
                                                                                         : 1;
        deals /= run;
    }
    return deals;
}

DealClass classOf(const std::array<unsigned, kSuits>& sets) {
    DealClass deal;
    int n = 0;
    for (int suit = 0; suit < kSuits; ++suit) {
        for (int r = 0; r < kRanks; ++r) {
            if ((sets[static_cast<std::size_t>(suit)] >> r) & 1u) {
                deal.cards[static_cast<std::size_t>(n++)] = r * kSuits + suit;
            }
        }
    }
    std::sort(deal.cards.begin(), deal.cards.end());
    deal.deals = dealsInClass(sets);
    return deal;
}

// Suit `suit` onwards takes rank sets no larger (as numbers) than `bound`, so each multiset
// is met once, in descending order.
void addClasses(const std::array<std::vector<unsigned>, kCards + 1>& bySize,
                std::array<unsigned, kSuits>& sets, int suit, int cardsLeft, unsigned bound,
                std::vector<DealClass>& out) {
    if (suit == kSuits - 1) {
        for (const unsigned m : bySize[static_cast<std::size_t>(cardsLeft)]) {
            if (m > bound) {
                break;
            }
            sets[kSuits - 1] = m;
            out.push_back(classOf(sets));
        }
        return;
    }
    for (int size = 0; size <= cardsLeft; ++size) {
        for (const unsigned m : bySize[static_cast<std::size_t>(size)]) {
            if (m > bound) {
                break;
            }
            sets[static_cast<std::size_t>(suit)] = m;
            addClasses(bySize, sets, suit + 1, cardsLeft - size, m, out);
        }
    }
}

} // namespace

std::vector<DealClass> pokerDealClasses() {
    const auto bySize = rankSetsBySize();
    std::vector<DealClass> classes;
    classes.reserve(134459);
    std::array<unsigned, kSuits> sets{};
    addClasses(bySize, sets, 0, kCards, (1u << kRanks) - 1, classes);
    return classes;
}

} // namespace quillan

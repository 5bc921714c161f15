#include "cards/deal_rules.h"

#include <algorithm>
#include <cmath>

#include "common/rounding.h"

namespace quillan {

namespace {

// Running positions p0 = 0, p(k+1) = p(k) + spacing, plus half a spacing after the
// cards in `groupEnds`, every sum rounded to the nearest integer.
std::array<int32, kHandCards> positions(int spacing, int firstGroupEnd, int secondGroupEnd) {
    std::array<int32, kHandCards> x{};
    double p = 0.0;
    for (int k = 0; k < kHandCards; ++k) {
        x[static_cast<std::size_t>(k)] = checked32(roundToInt(p));
        p += spacing;
        if (k == firstGroupEnd || k == secondGroupEnd) {
            p = roundHalfEven(p + spacing / 2.0);
        }
    }
    return x;
}

} // namespace

std::array<int32, kHandCards> computerHandPositions(int spacing) {
    return positions(spacing, 2, 5);
}

std::array<int32, kHandCards> playerHandPositions(int spacing) {
    return positions(spacing, 1, 4);
}

void shuffleDeck(Deck& deck, const std::function<void()>& reseed,
                 const std::function<float()>& draw) {
    for (int i = 0; i < 52; ++i) {
        deck[i].cardvalue = static_cast<int16>(i);
    }
    for (int i = 0; i < 52; ++i) {
        reseed();
        const long j = static_cast<long>(std::floor(static_cast<double>(draw()) * 52.0));
        std::swap(deck[i].cardvalue, deck[j].cardvalue);
    }
    for (CardSlot& slot : deck) {
        setCard(slot, slot.cardvalue);
    }
}

void dealHands(const Deck& deck, Hand& handComputer, Hand& handplayer, int spacing, int handTop,
               int cardWidth) {
    handComputer.clear();
    handplayer.clear();
    const auto cx = computerHandPositions(spacing);
    const auto px = playerHandPositions(spacing);
    for (int k = 0; k < kHandCards; ++k) {
        const auto at = static_cast<std::size_t>(k);
        copyCard(handComputer[k], deck[k]);
        handComputer[k].x = cx[at];
        CardSlot& slot = handplayer[k];
        copyCard(slot, deck[kHandCards + k]);
        slot.x = px[at];
        slot.y = checked32(handTop);
        slot.xEnd = k + 1 < kHandCards ? px[at + 1] : checked32(std::int64_t{px[at]} + cardWidth);
    }
}

void buildStock(const Deck& deck, bool videoPoker, Pile& stock) {
    const int first = videoPoker ? 0 : kRummyStockFirst;
    stock.resizeKeep(51 - first);
    for (int i = first; i < 52; ++i) {
        CardSlot slot;
        copyCard(slot, deck[i]);
        stock[i - first] = slot;
    }
}

} // namespace quillan

namespace quillan {

int16 cardSpacingFor(int16 prfCardSpace, int32 cardWidth) {
    if (prfCardSpace <= 0) {
        return checked16(roundToInt(cardWidth * 0.22));
    }
    return std::min(prfCardSpace, kWidestCardSpacing);
}

} // namespace quillan

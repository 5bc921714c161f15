#include "table/pile_drawing_rules.h"

#include "common/rounding.h"

namespace quillan {

namespace {

constexpr PileCard kFanOffsets[3] = {{0, 0, 0}, {0, 5, 1}, {0, 10, 2}};

} // namespace

std::vector<PileCard> rejectFan(long upperBound) {
    std::vector<PileCard> cards;
    if (upperBound <= 0) {
        return cards;
    }
    const long first = upperBound >= 3 ? upperBound - 2 : 1;
    for (long i = first; i <= upperBound; ++i) {
        const PileCard& offset = kFanOffsets[i - first];
        cards.push_back({i, offset.x, offset.y});
    }
    return cards;
}

std::vector<PileCard> dealPileBacks(int stage) {
    std::vector<PileCard> cards;
    if (stage < 0 || stage >= kDealPileStages) {
        return cards;
    }
    for (int i = 0; i < kDealPileStages - stage; ++i) {
        cards.push_back({i, 2 * i, i});
    }
    return cards;
}

std::array<int32, 10> groupedHandXs(int16 cardSpacing, int firstGap, int secondGap) {
    std::array<int32, 10> xs{};
    double p = 0;
    for (int k = 0; k < 10; ++k) {
        xs[static_cast<std::size_t>(k)] = static_cast<int32>(p);
        p += cardSpacing;
        if (k == firstGap || k == secondGap) {
            p = static_cast<double>(roundToInt(p + cardSpacing / 2.0));
        }
    }
    return xs;
}

} // namespace quillan

namespace quillan {

int dealPileStageFor(long entries) {
    if (entries >= 9) {
        return 0;
    }
    if (entries >= 7) {
        return 1;
    }
    return entries >= 5 ? 2 : 3;
}

} // namespace quillan

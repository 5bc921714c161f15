#include "poker/poker_pay_rules.h"

#include <algorithm>

#include "poker/poker_ladder_rules.h"

namespace quillan {

namespace {

constexpr std::uint32_t kPayGreen = 0x00C000;
constexpr std::uint32_t kBrightGreen = 0x00FF00;

} // namespace

std::optional<PayoutStyle> payoutFor(int category) {
    switch (category) {
    case kRoyal:
        return PayoutStyle{4000, 25, "pokerwin3.wav", 500, kPayGreen};
    case kStraightFlush:
        return PayoutStyle{250, 25, "pokerwin3.wav", 500, kBrightGreen};
    case kFourOfAKind:
        return PayoutStyle{125, 25, "pokerwin3.wav", 500, kPayGreen};
    case kFullHouse:
        return PayoutStyle{45, 25, "pokerwin3.wav", 500, kPayGreen};
    case kFlush:
        return PayoutStyle{30, 15, "pokerwin3.wav", 500, kPayGreen};
    case kStraight:
        return PayoutStyle{20, 10, "pokerwin2.wav", 500, kPayGreen};
    case kThreeOfAKind:
        return PayoutStyle{15, 15, "pokerwin1.wav", 500, kPayGreen};
    case kTwoPair:
        return PayoutStyle{10, 10, "pokerwin1.wav", 500, kPayGreen};
    case kHighPair:
        return PayoutStyle{5, 5, "pokerwin1.wav", 200, kPayGreen};
    default:
        return std::nullopt;
    }
}

int16 meterAfterBet(int16 meter) {
    return sub16(meter, kPokerBet);
}

std::vector<int16> payoutCountUp(int16 meter, int category) {
    std::vector<int16> shown;
    const auto style = payoutFor(category);
    if (!style) {
        return shown;
    }
    const int16 target = add16(meter, style->pays);
    int16 value = meter;
    while (value < target) {
        value = static_cast<int16>(std::min<int32>(value + style->step, target));
        shown.push_back(value);
    }
    return shown;
}

} // namespace quillan

#include "poker/poker_session_tally_rules.h"

#include "poker/poker_pay_rules.h"

namespace quillan {

void SessionTally::add(const DealAnalysis& analysis, unsigned heldMask, int finalCategory) {
    const std::int64_t lost = analysis.best().scaled() - analysis.forMask(heldMask).scaled();
    ++hands_;
    matched_ += lost == 0 ? 1 : 0;
    costScaled_ += lost;
    if (const auto style = payoutFor(finalCategory)) {
        paid_ += style->pays;
    }
}

double SessionTally::mistakeCost() const {
    return static_cast<double>(costScaled_) / static_cast<double>(kCommonDraws);
}

double SessionTally::actualReturn() const {
    if (hands_ == 0) {
        return 0.0;
    }
    return static_cast<double>(paid_) / (static_cast<double>(hands_) * kPokerBet);
}

} // namespace quillan

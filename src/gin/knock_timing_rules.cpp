#include "gin/knock_timing_rules.h"

#include <algorithm>

#include "rummy/hand_analysis_rules.h"

namespace quillan {

int knockLimitAfter(int draws) {
    return std::max(0, 10 - 2 * (draws - 2));
}

bool timelyKnock(const SeatView& view) {
    if (view.ginAllowed) {
        return true;
    }
    const HandAnalysis a =
        analyseHand(std::span<const CardSlot>(view.hand.begin(), view.hand.end()), AnalysisInput{});
    return a.gin || a.deadwood <= knockLimitAfter(view.draws);
}

} // namespace quillan

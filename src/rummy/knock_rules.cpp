#include "rummy/knock_rules.h"

#include "rummy/meld_rules.h"

namespace quillan {

namespace {

constexpr const char* kCrLf = "\r\n";

std::string settingLine(RummyVariant variant) {
    const char* name = variant == RummyVariant::Simple     ? "simple"
                       : variant == RummyVariant::Standard ? "standard"
                                                           : "Oklahoma";
    return std::string("Your current preference setting for Gin Rummy is (") + name + ").";
}

} // namespace

RummyVariant variantFromSettings(int16 prfOpQN, int16 prfOpStandard, int16 prfOpOklahoma) {
    if (isSet(prfOpQN)) {
        return RummyVariant::Simple;
    }
    if (isSet(prfOpStandard) || !isSet(prfOpOklahoma)) {
        return RummyVariant::Standard;
    }
    return RummyVariant::Oklahoma;
}

int16 fixedMaxDeadwood(RummyVariant variant) {
    return variant == RummyVariant::Simple ? int16{0} : int16{10};
}

int16 oklahomaMaxDeadwood(const CardSlot& upcard) {
    return pointValue(upcard);
}

PlayerAnalysisResult playerAnalysisOutcome(const HandAnalysis& analysis, int16 maxDeadwood,
                                           bool playerHoldsDraw) {
    PlayerAnalysisResult result;
    if (analysis.gin && (analysis.shape == 1 || analysis.shape == 2)) {
        result.outcome = PlayerAnalysisOutcome::Gin;
        result.statusText = kYouKnockGin;
    } else if (knockable(analysis, maxDeadwood) && playerHoldsDraw) {
        result.outcome = PlayerAnalysisOutcome::KnockPrepared;
        result.statusText = analysis.shape == 1 ? kYouCanKnockThreeMelds : kYouCanKnock;
    }
    return result;
}

std::string knockRefusalText(RummyVariant variant, int16 maxDeadwood, int16 deadwood) {
    if (variant == RummyVariant::Simple) {
        return settingLine(variant) + kCrLf + "You can only Knock Gin.";
    }
    return settingLine(variant) + kCrLf + "You can knock with " + std::to_string(maxDeadwood) +
           " deadwood or less." + kCrLf + " Your current deadwood count is " +
           std::to_string(deadwood);
}

KnockDecision decidePlayerKnock(bool playerHoldsDraw, const CardList& playerUnmatched,
                                RummyVariant variant, int16 maxDeadwood) {
    if (!playerHoldsDraw) {
        return {KnockRequest::NotDrawn, kKnockBeforeDiscard};
    }
    const int16 deadwood = countDeadwood(playerUnmatched);
    if (deadwood > maxDeadwood) {
        return {KnockRequest::Refused, knockRefusalText(variant, maxDeadwood, deadwood)};
    }
    return {KnockRequest::Accepted, {}};
}

int knockDiscardSlot(std::span<const CardSlot> handplayer, const CardSlot& knockDiscard) {
    for (size_t i = 0; i < handplayer.size(); ++i) {
        if (handplayer[i].cardvalue == knockDiscard.cardvalue) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::string variantStatusText(RummyVariant variant, int16 maxDeadwood,
                              const std::string& currentStatus) {
    switch (variant) {
    case RummyVariant::Oklahoma:
        if (currentStatus.find("Oklahoma Gin Rummy") == std::string::npos) {
            return "Playing Oklahoma Gin Rummy.." + std::to_string(maxDeadwood) +
                   " or less to knock";
        }
        return {};
    case RummyVariant::Standard:
        if (currentStatus.find("Standard Gin Rummy") == std::string::npos) {
            return "Playing Standard Gin Rummy.";
        }
        return {};
    case RummyVariant::Simple:
        if (currentStatus != "Playing Simple Gin Rummy.") {
            return "Playing Simple Gin Rummy.";
        }
        return {};
    }
    return {};
}

} // namespace quillan

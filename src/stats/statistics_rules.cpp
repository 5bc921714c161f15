#include "stats/statistics_rules.h"

#include <algorithm>
#include <cstdlib>

namespace quillan {

namespace {

void add(Count& count, Count n) {
    count = std::clamp<Count>(count + n, 0, kMaxCount);
}

bool isWin(RummyResult r) {
    return r == RummyResult::WonByKnock || r == RummyResult::WonByGin ||
           r == RummyResult::WonByUndercut;
}

bool isLoss(RummyResult r) {
    return r == RummyResult::LostByKnock || r == RummyResult::LostByGin ||
           r == RummyResult::LostByUndercut;
}

} // namespace

Count RummyRecord::played() const {
    return won() + lost() + ties();
}

Count RummyRecord::won() const {
    return byResult(RummyResult::WonByKnock) + byResult(RummyResult::WonByGin) +
           byResult(RummyResult::WonByUndercut);
}

Count RummyRecord::lost() const {
    return byResult(RummyResult::LostByKnock) + byResult(RummyResult::LostByGin) +
           byResult(RummyResult::LostByUndercut);
}

RummyHand rummyHandOf(const ScorePanel& panel) {
    const bool playerEnded =
        panel.ending == HandEnding::PlayerGin || panel.ending == HandEnding::PlayerKnock;
    const bool gin =
        panel.ending == HandEnding::PlayerGin || panel.ending == HandEnding::ComputerGin;
    RummyHand hand;
    hand.points = std::abs(static_cast<int>(panel.total));
    if (panel.undercut) {
        hand.result = playerEnded ? RummyResult::LostByUndercut : RummyResult::WonByUndercut;
    } else if (playerEnded) {
        hand.result = gin ? RummyResult::WonByGin : RummyResult::WonByKnock;
    } else {
        hand.result = gin ? RummyResult::LostByGin : RummyResult::LostByKnock;
    }
    return hand;
}

void recordRummyHand(RummyRecord& record, const RummyHand& hand) {
    add(record.hands[static_cast<std::size_t>(hand.result)], 1);
    if (isWin(hand.result)) {
        add(record.pointsWon, hand.points);
        add(record.currentStreak, 1);
        record.longestStreak = std::max(record.longestStreak, record.currentStreak);
    } else {
        if (isLoss(hand.result)) {
            add(record.pointsLost, hand.points);
        }
        record.currentStreak = 0;
    }
}

Count PokerRecord::handsPlayed() const {
    Count n = 0;
    for (const Count c : finalHands) {
        n += c;
    }
    return n;
}

int finalGroupOf(int category) {
    if (category >= kThreeToRoyal && category <= kAllTrash) {
        return kNoWinGroup;
    }
    for (int g = 0; g < kNoWinGroup; ++g) {
        if (kFinalGroups[static_cast<std::size_t>(g)].category == category) {
            return g;
        }
    }
    return -1;
}

bool recordPokerHand(PokerRecord& record, int category, int bet, int won) {
    const int group = finalGroupOf(category);
    if (group < 0) {
        return false;
    }
    add(record.finalHands[static_cast<std::size_t>(group)], 1);
    add(record.creditsBet, std::max(bet, 0));
    add(record.creditsWon, std::max(won, 0));
    return true;
}

bool recordRefusedHold(PokerRecord& record, int rung) {
    if (rung < kFirstCategory || rung > kLastCategory) {
        return false;
    }
    add(record.refused[static_cast<std::size_t>(rung - 1)], 1);
    return true;
}

bool recordDrawnOtherwise(PokerRecord& record, int rung) {
    if (rung < kFirstCategory || rung > kLastCategory) {
        return false;
    }
    add(record.drawnOtherwise[static_cast<std::size_t>(rung - 1)], 1);
    return true;
}

void recordPerfectRun(PokerRecord& record, int run) {
    record.longestRun = std::clamp<Count>(run, record.longestRun, kMaxCount);
}

std::optional<double> actualReturn(const PokerRecord& record) {
    if (record.creditsBet <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(record.creditsWon) / static_cast<double>(record.creditsBet);
}

std::optional<double> finalShare(const PokerRecord& record, int group) {
    const Count hands = record.handsPlayed();
    if (hands <= 0 || group < 0 || group >= kFinalGroupCount) {
        return std::nullopt;
    }
    return static_cast<double>(record.finalHands[static_cast<std::size_t>(group)]) /
           static_cast<double>(hands);
}

int opponentLevelIndex(std::string_view level) {
    for (std::size_t i = 0; i < kOpponentLevelKeys.size(); ++i) {
        if (level == kOpponentLevelKeys[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace quillan

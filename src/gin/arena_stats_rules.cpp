#include "gin/arena_stats_rules.h"

#include <algorithm>
#include <cmath>

namespace quillan {

namespace {

constexpr double kZ95 = 1.959963984540054;

void tallyHand(const ArenaHand& hand, ArenaSummary& summary) {
    if (hand.ending == ArenaEnding::Tie) {
        ++summary.ties;
    }
    if (hand.forfeiter >= 0) {
        ++summary.sides[static_cast<size_t>(hand.forfeiter)].forfeits;
    }
    if (hand.winner >= 0) {
        ArenaSide& w = summary.sides[static_cast<size_t>(hand.winner)];
        ++w.handsWon;
        w.knocks += hand.ending == ArenaEnding::Knock ? 1 : 0;
        w.gins += hand.ending == ArenaEnding::Gin ? 1 : 0;
    }
    if (hand.ending == ArenaEnding::Undercut && hand.knocker >= 0) {
        ++summary.sides[static_cast<size_t>(hand.knocker)].undercuts;
    }
}

void tallyGames(std::span<const ArenaHand> hands, ArenaSummary& summary) {
    for (size_t series = 0; series < 2; ++series) {
        GameTally tally;
        for (size_t i = series; i < hands.size(); i += 2) {
            tally.addHand(hands[i].points[0], hands[i].points[1]);
        }
        for (int side = 0; side < 2; ++side) {
            summary.sides[static_cast<size_t>(side)].gamesWon += tally.won(side);
        }
        summary.drawnGames += tally.drawn();
        summary.games += tally.finished();
        summary.unfinishedGames += tally.unfinished() ? 1 : 0;
    }
    for (ArenaSide& side : summary.sides) {
        side.gameShare = shareInterval(side.gamesWon, summary.games);
    }
}

} // namespace

Interval meanInterval(std::span<const double> sample) {
    const size_t n = sample.size();
    if (n == 0) {
        return {};
    }
    double sum = 0;
    for (double x : sample) {
        sum += x;
    }
    const double mean = sum / static_cast<double>(n);
    if (n < 2) {
        return {mean, mean, mean};
    }
    double squares = 0;
    for (double x : sample) {
        squares += (x - mean) * (x - mean);
    }
    const double se = std::sqrt(squares / static_cast<double>(n - 1) / static_cast<double>(n));
    return {mean, mean - kZ95 * se, mean + kZ95 * se};
}

Interval shareInterval(long hits, long n) {
    if (n <= 0) {
        return {};
    }
    const double nn = static_cast<double>(n);
    const double p = static_cast<double>(hits) / nn;
    const double z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2 * nn)) / (1 + z2 / nn);
    const double half = kZ95 * std::sqrt(p * (1 - p) / nn + z2 / (4 * nn * nn)) / (1 + z2 / nn);
    return {p, centre - half, centre + half};
}

double percentile(std::vector<double> sample, double p) {
    if (sample.empty()) {
        return 0;
    }
    const double n = static_cast<double>(sample.size());
    const double rank = std::ceil(std::clamp(p, 0.0, 100.0) / 100.0 * n);
    const size_t k = static_cast<size_t>(std::max(rank, 1.0)) - 1;
    std::nth_element(sample.begin(), sample.begin() + static_cast<long>(k), sample.end());
    return sample[k];
}

void GameTally::addHand(int pointsA, int pointsB) {
    banks_[0] += pointsA;
    banks_[1] += pointsB;
    ++handsInGame_;
    const bool a = banks_[0] >= target_;
    const bool b = banks_[1] >= target_;
    if (!a && !b) {
        return;
    }
    if (banks_[0] == banks_[1]) {
        ++drawn_;
    } else {
        ++won_[banks_[0] > banks_[1] ? 0 : 1];
    }
    banks_ = {};
    handsInGame_ = 0;
}

ArenaSummary summariseArena(std::span<const ArenaHand> hands, bool toTarget) {
    ArenaSummary summary;
    summary.hands = static_cast<long>(hands.size());
    summary.pairs = summary.hands / 2;
    std::array<std::vector<double>, 2> pairPoints;
    std::vector<double> pairNet;
    std::array<double, 2> turns{};
    for (size_t i = 0; i < hands.size(); ++i) {
        tallyHand(hands[i], summary);
        for (size_t side = 0; side < 2; ++side) {
            turns[side] += hands[i].turns[side];
        }
    }
    for (size_t i = 0; i + 1 < hands.size(); i += 2) {
        const ArenaHand& first = hands[i];
        const ArenaHand& second = hands[i + 1];
        for (size_t side = 0; side < 2; ++side) {
            pairPoints[side].push_back((first.points[side] + second.points[side]) / 2.0);
        }
        pairNet.push_back(pairPoints[0].back() - pairPoints[1].back());
    }
    for (size_t side = 0; side < 2; ++side) {
        ArenaSide& s = summary.sides[side];
        s.points = meanInterval(pairPoints[side]);
        s.handShare = shareInterval(s.handsWon, summary.hands);
        s.turns = summary.hands > 0 ? turns[side] / static_cast<double>(summary.hands) : 0;
    }
    summary.net = meanInterval(pairNet);
    if (toTarget) {
        tallyGames(hands, summary);
    }
    return summary;
}

} // namespace quillan

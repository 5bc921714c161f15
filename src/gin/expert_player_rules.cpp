#include "gin/expert_player_rules.h"

#include <algorithm>
#include <cmath>

#include "gin/gin_play_rules.h"
#include "gin/meld_search_rules.h"
#include "gin/rollout_player_rules.h"

namespace quillan {

namespace {

constexpr int kMinSamples = 12;    // tables before an early stop is considered
constexpr double kClearLead = 3.0; // standard errors by which the best must lead to stop early

std::vector<ChoiceValue> candidatesOf(const SeatView& view, int maxDiscards) {
    std::vector<ChoiceValue> out;
    if (view.decision == Decision::Draw) {
        out.push_back({true, DrawChoice::Stock, {}});
        if (view.reject.count > 0) {
            out.push_back({true, DrawChoice::Reject, {}});
        }
        return out;
    }
    if (view.ginAllowed) {
        out.push_back({false, DrawChoice::Stock, TurnChoice::gin()});
    } else if (view.knockAllowed) {
        out.push_back({false, DrawChoice::Stock, TurnChoice::knock()});
    }
    const CardSet hand = handSet(view);
    std::vector<std::pair<int, int>> byDeadwood; // (deadwood after the throw, card)
    for (CardSet s = hand; s != 0; s &= s - 1) {
        const int c = std::countr_zero(s);
        byDeadwood.emplace_back(bestDeadwood(hand & ~cardBit(c)) * 64 - c, c);
    }
    std::sort(byDeadwood.begin(), byDeadwood.end());
    const size_t keep = std::min(byDeadwood.size(), static_cast<size_t>(std::max(1, maxDiscards)));
    for (size_t i = 0; i < keep; ++i) {
        out.push_back({false, DrawChoice::Stock, TurnChoice::discard(byDeadwood[i].second)});
    }
    return out;
}

// Plays one choice out on one imagined table; the seat's points minus the other side's.
double playedOut(const TablePosition& position, const ChoiceValue& choice, Seat seat,
                 const ExpertOptions& options, bool& won) {
    GinTable table(position);
    const MoveError e = choice.draw ? table.draw(choice.drawChoice) : table.turn(choice.turnChoice);
    RolloutPlayer mine(options.ownHoldsForGin);
    RolloutPlayer theirs(options.otherHoldsForGin);
    RolloutPlayer& a = seat == Seat::Player ? mine : theirs;
    RolloutPlayer& b = seat == Seat::Player ? theirs : mine;
    if (e != MoveError::None) {
        won = false;
        return -100.0; // never chosen over a legal move
    }
    const PlayedHand h = playOut(table, a, b);
    const SeatResult r = seatResult(h.outcome, seat);
    won = r.won;
    return static_cast<double>(r.ownPoints - r.otherPoints);
}

std::uint64_t viewHash(const SeatView& view) {
    std::uint64_t h = 1469598103934665603ull;
    const auto mix = [&h](std::uint64_t x) { h = (h ^ x) * 1099511628211ull; };
    mix(handSet(view));
    mix(static_cast<std::uint64_t>(view.reject.top() + 1));
    mix(static_cast<std::uint64_t>(view.reject.count));
    mix(static_cast<std::uint64_t>(view.draws));
    mix(static_cast<std::uint64_t>(view.decision));
    return h;
}

// Standard error of the difference between the two best choices' means, paired by table.
double leadError(const std::vector<double>& diffs) {
    const double n = static_cast<double>(diffs.size());
    if (n < 2) {
        return 1e9;
    }
    double mean = 0;
    for (double d : diffs) {
        mean += d;
    }
    mean /= n;
    double var = 0;
    for (double d : diffs) {
        var += (d - mean) * (d - mean);
    }
    return std::sqrt(var / (n - 1) / n);
}

// The choices' indices, best mean first (equal means keep their order).
std::vector<size_t> bestFirst(const std::vector<ChoiceValue>& choices) {
    std::vector<size_t> order(choices.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return choices[a].meanPoints > choices[b].meanPoints;
    });
    return order;
}

// The standard error of the best choice's lead over the second, paired by imagined table.
double errorOfLead(const std::vector<std::vector<double>>& values,
                   const std::vector<size_t>& order) {
    std::vector<double> diffs(values[order[0]].size());
    for (size_t i = 0; i < diffs.size(); ++i) {
        diffs[i] = values[order[0]][i] - values[order[1]][i];
    }
    return leadError(diffs);
}

bool budgetSpent(const ExpertOptions& options, int samples,
                 std::chrono::steady_clock::time_point start) {
    if (options.fixedSamples > 0) {
        return samples >= options.fixedSamples;
    }
    return std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(options.budgetMs);
}

// While the sums are not yet divided: the best choice leads the second clearly.
bool clearlyBest(const ExpertAnalysis& result, const std::vector<std::vector<double>>& values) {
    const std::vector<size_t> order = bestFirst(result.choices);
    const double lead =
        (result.choices[order[0]].meanPoints - result.choices[order[1]].meanPoints) /
        result.samples;
    return lead > kClearLead * errorOfLead(values, order);
}

} // namespace

ExpertAnalysis analyseChoices(const SeatView& view, const ExpertOptions& options) {
    ExpertAnalysis result;
    result.choices = candidatesOf(view, options.maxDiscards);
    if (result.choices.size() <= 1) {
        return result;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::array<double, 52> weights = opponentCardWeights(view);
    SampleRandom random(options.seed ^ viewHash(view));
    std::vector<std::vector<double>> values(result.choices.size());
    while (!budgetSpent(options, result.samples, start)) {
        const TablePosition position = sampleTable(view, weights, random);
        for (size_t c = 0; c < result.choices.size(); ++c) {
            bool won = false;
            const double v = playedOut(position, result.choices[c], view.seat, options, won);
            result.choices[c].meanPoints += v;
            result.choices[c].winShare += won ? 1 : 0;
            ++result.choices[c].samples;
            values[c].push_back(v);
        }
        ++result.samples;
        if (options.fixedSamples <= 0 && result.samples >= kMinSamples && result.samples % 4 == 0 &&
            clearlyBest(result, values)) {
            break;
        }
    }
    for (ChoiceValue& cv : result.choices) {
        if (cv.samples > 0) {
            cv.meanPoints /= cv.samples;
            cv.winShare /= cv.samples;
        }
    }
    const std::vector<size_t> order = bestFirst(result.choices);
    if (result.samples >= 2) {
        result.standardError = errorOfLead(values, order);
    }
    std::vector<ChoiceValue> sorted;
    for (size_t i : order) {
        sorted.push_back(result.choices[i]);
    }
    result.choices = std::move(sorted);
    return result;
}

DrawChoice ExpertPlayer::chooseDraw(const SeatView& view) {
    const ExpertAnalysis a = analyseChoices(view, options_);
    return a.choices.empty() ? DrawChoice::Stock : a.choices.front().drawChoice;
}

TurnChoice ExpertPlayer::chooseTurn(const SeatView& view) {
    const ExpertAnalysis a = analyseChoices(view, options_);
    if (a.choices.empty()) {
        return TurnChoice::discard(view.takenCard);
    }
    return a.choices.front().turnChoice;
}

} // namespace quillan

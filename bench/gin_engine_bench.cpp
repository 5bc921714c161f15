// The Gin Rummy engine and its levels. Targets: at least 20,000 hands a second for Standard
// against Standard on one core (read items_per_second); a Strong decision under 1 ms at the
// median; an Expert decision at the default budget of 150 ms (the arena gives its p99).
#include <benchmark/benchmark.h>

#include <vector>

#include "gin/expert_player_rules.h"
#include "gin/gin_play_rules.h"
#include "gin/standard_player_rules.h"
#include "gin/strong_player_rules.h"

namespace {

using namespace quillan;

void BM_StandardAgainstStandardHand(benchmark::State& state) {
    StandardPlayer a;
    StandardPlayer b;
    std::uint64_t seed = 0;
    for (auto _ : state) {
        HandSetup s;
        s.deck = seededDeck(seed);
        s.leader = seed % 2 ? Seat::Player : Seat::Computer;
        ++seed;
        benchmark::DoNotOptimize(playHand(s, a, b));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StandardAgainstStandardHand)->Repetitions(5)->ReportAggregatesOnly(true);

// Views of the discards a Strong player faces in seeded hands.
std::vector<SeatView> discardViews(int count) {
    std::vector<SeatView> views;
    StrongPlayer p;
    for (std::uint64_t seed = 0; static_cast<int>(views.size()) < count; ++seed) {
        HandSetup s;
        s.deck = seededDeck(seed);
        GinTable t(s);
        while (!t.over()) {
            const SeatView v = t.view(t.toAct());
            if (v.decision == Decision::Draw) {
                t.draw(p.chooseDraw(v));
            } else {
                views.push_back(v);
                t.turn(p.chooseTurn(v));
            }
        }
    }
    return views;
}

void BM_StrongDiscard(benchmark::State& state) {
    const std::vector<SeatView> views = discardViews(512);
    StrongPlayer p;
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.chooseTurn(views[i]));
        i = (i + 1) % views.size();
    }
}
BENCHMARK(BM_StrongDiscard)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ExpertDiscardAtDefaultBudget(benchmark::State& state) {
    const std::vector<SeatView> views = discardViews(64);
    ExpertPlayer p(ExpertOptions{});
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.chooseTurn(views[i]));
        i = (i + 1) % views.size();
    }
}
BENCHMARK(BM_ExpertDiscardAtDefaultBudget)->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace

// The exact value of all 32 holds of a Video Poker deal. Targets: one deal well under 2 ms,
// the whole game (every deal, best and ladder play) well under 10 s, one thread. Run from a
// Release build; read the median of the repetitions.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "poker/poker_hold_value_rules.h"
#include "poker/poker_whole_game_rules.h"

namespace {

using namespace quillan;

const HoldValueTable& table() {
    static const HoldValueTable built;
    return built;
}

std::vector<PokerHand> randomDeals(int count) {
    std::mt19937 random(7);
    std::vector<int> deck(52);
    for (int i = 0; i < 52; ++i) {
        deck[static_cast<std::size_t>(i)] = i;
    }
    std::vector<PokerHand> deals;
    for (int n = 0; n < count; ++n) {
        std::shuffle(deck.begin(), deck.end(), random);
        PokerHand deal;
        for (int i = 0; i < 5; ++i) {
            setCard(deal[i], deck[static_cast<std::size_t>(i)]);
        }
        deals.push_back(deal);
    }
    return deals;
}

// All 32 holds of one deal, the deals taken in turn from a thousand random ones.
void BM_AnalyseOneDeal(benchmark::State& state) {
    const HoldValueTable& counts = table();
    const std::vector<PokerHand> deals = randomDeals(1000);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(counts.analyse(deals[next]));
        next = (next + 1) % deals.size();
    }
    state.SetItemsProcessed(state.iterations());
}

// The counts behind the analysis, built once per program run.
void BM_BuildTable(benchmark::State& state) {
    for (auto _ : state) {
        const HoldValueTable counts;
        benchmark::DoNotOptimize(&counts);
    }
}

// Every deal of the game, one per class of suit-renamed deals, counts included.
void BM_WholeGame(benchmark::State& state) {
    for (auto _ : state) {
        const HoldValueTable counts;
        benchmark::DoNotOptimize(playWholeGame(counts).bestTotal);
    }
}

} // namespace

BENCHMARK(BM_AnalyseOneDeal)->Unit(benchmark::kMicrosecond)->Repetitions(7);
BENCHMARK(BM_BuildTable)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

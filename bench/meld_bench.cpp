// analyseHand on random eleven-card hands (the computer's hand with the reject card or a drawn
// card). Target: at most 5 microseconds per analysis; read the median of the repetitions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <vector>

#include "rummy/hand_analysis_rules.h"

namespace {

std::vector<std::array<quillan::CardSlot, 11>> randomHands(int count) {
    std::mt19937 rng(42);
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::vector<std::array<quillan::CardSlot, 11>> hands(static_cast<size_t>(count));
    for (auto& hand : hands) {
        std::shuffle(deck.begin(), deck.end(), rng);
        for (size_t i = 0; i < hand.size(); ++i) {
            hand[i] = quillan::cardOf(deck[i]);
        }
    }
    return hands;
}

void BM_AnalyseElevenCardHand(benchmark::State& state) {
    const auto hands = randomHands(4096);
    const quillan::AnalysisInput input{true, true, 10};
    size_t i = 0;
    for (auto _ : state) {
        const quillan::HandAnalysis a = quillan::analyseHand(hands[i], input);
        benchmark::DoNotOptimize(a);
        i = (i + 1) % hands.size();
    }
}
BENCHMARK(BM_AnalyseElevenCardHand)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

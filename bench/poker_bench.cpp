// Classifying every five-card hand of the deck, in final mode (payout) and in dealt-hand mode
// (best play). Target: under 100 ms a pass. Run from a Release build; the median of the
// repetitions is the figure to read.

#include <benchmark/benchmark.h>

#include "cards/card_slot.h"
#include "poker/poker_eval_rules.h"

namespace {

using namespace quillan;

long classifyAllHands(int16 mode) {
    PokerHand hand;
    long sum = 0;
    for (int a = 0; a < 48; ++a) {
        setCard(hand[0], a);
        for (int b = a + 1; b < 49; ++b) {
            setCard(hand[1], b);
            for (int c = b + 1; c < 50; ++c) {
                setCard(hand[2], c);
                for (int d = c + 1; d < 51; ++d) {
                    setCard(hand[3], d);
                    for (int e = d + 1; e < 52; ++e) {
                        setCard(hand[4], e);
                        sum += EvaluatePokerHand(hand, mode);
                    }
                }
            }
        }
    }
    return sum;
}

void BM_AllHandsFinalMode(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(classifyAllHands(kFinalMode));
    }
    state.SetItemsProcessed(state.iterations() * 2598960);
}

void BM_AllHandsDealtMode(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(classifyAllHands(kDealtHandMode));
    }
    state.SetItemsProcessed(state.iterations() * 2598960);
}

} // namespace

BENCHMARK(BM_AllHandsFinalMode)->Unit(benchmark::kMillisecond)->Repetitions(7);
BENCHMARK(BM_AllHandsDealtMode)->Unit(benchmark::kMillisecond)->Repetitions(7);

// The table on the real main window (offscreen): CPU time of a whole Gin Rummy deal (ten
// cards to each side and the upcard, with the table rebuilt around it) and of one 400-pixel
// AnimateCard, both at animation delay 0. The program folder is the benchmark's own folder,
// where the build copies the pictures.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/frm_main.h"
#include "bench_platform.h"
#include "platform/card_library.h"

namespace {

using namespace quillan;

using bench::BenchPlatform;

void BM_GinRummyDealAtDelayZero(benchmark::State& state) {
    bench::offscreenApplication();
    BenchPlatform platform(
        {{"isPoker", "False"}, {"prfAnimationDelay", "0"}, {"prfSound", "False"}});
    FrmMain w(platform);
    w.Form_Load();
    for (auto _ : state) {
        w.mnuPlayRummy_Click();
    }
}
BENCHMARK(BM_GinRummyDealAtDelayZero)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_AnimateCard400AtDelayZero(benchmark::State& state) {
    bench::offscreenApplication();
    BenchPlatform platform(
        {{"isPoker", "False"}, {"prfAnimationDelay", "0"}, {"prfSound", "False"}});
    FrmMain w(platform);
    w.Form_Load();
    for (auto _ : state) {
        int32 x = 20;
        int32 y = 150;
        w.AnimateCard(x, y, 420, 150, 1, 54, CardLibrary::kModeBack, 99, false);
    }
}
BENCHMARK(BM_AnimateCard400AtDelayZero)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

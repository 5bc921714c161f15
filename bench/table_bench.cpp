// Frame work of card animation: a 400-pixel move at delay 0 on an 800 x 600 table, each
// frame saving the area under the card, painting the card into the back buffer, showing the
// frame on the (offscreen) table widget with a synchronous repaint and restoring the buffer.

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench_platform.h"
#include "platform/card_library.h"
#include "table/card_flight.h"
#include "table/frame_pacer.h"
#include "table/pixel_copy.h"
#include "table/table_canvas.h"

namespace {

using namespace quillan;

using bench::BenchPlatform;

void BM_CardMove400AtDelayZero(benchmark::State& state) {
    bench::offscreenApplication();
    const bool shown = state.range(0) != 0;
    TableCanvas canvas;
    canvas.resizeTable(QSize(800, 600), 1.0);
    canvas.windowImage().fill(Qt::darkGreen);
    if (shown) {
        canvas.show();
    }
    QPixmap boardBuffer = canvas.windowImage().copy();
    CardLibrary cards;
    const QSize card(CardLibrary::kWidth, CardLibrary::kHeight);
    const CardPaint paintBack = [&cards](QPainter& p, int x, int y) {
        cards.cdtDraw(p, x, y, 54, CardLibrary::kModeBack);
    };
    const CardMovePlan plan =
        planCardMove(100, 400, 500, 100, 1, card.width(), card.height(), true);
    BenchPlatform platform;
    for (auto _ : state) {
        FramePacer pacer(platform, 0);
        playCardFrames(canvas, boardBuffer, plan, card, paintBack, pacer);
        canvas.endFrames();
    }
    state.counters["frames"] = static_cast<double>(plan.frames.size());
}
BENCHMARK(BM_CardMove400AtDelayZero)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

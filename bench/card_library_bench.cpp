// Cost of painting a card: a cached picture (a pixmap copy) and a first draw (vector painting).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "platform/card_library.h"

namespace {

QImage table(qreal ratio) {
    QImage image(QSize(400, 300) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::darkGreen);
    return image;
}

void cachedCard(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0));
    QImage target = table(ratio);
    QPainter p(&target);
    quillan::CardLibrary cards;
    cards.cdtDraw(p, 10, 10, 47, quillan::CardLibrary::kModeFace);
    for (auto _ : state) {
        cards.cdtDraw(p, 10, 10, 47, quillan::CardLibrary::kModeFace);
    }
}
BENCHMARK(cachedCard)->Arg(1)->Arg(2);

void firstDraw(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0));
    const int mode = static_cast<int>(state.range(1));
    const int card = mode == quillan::CardLibrary::kModeBack ? 57 : 47;
    QImage target = table(ratio);
    QPainter p(&target);
    quillan::CardLibrary cards;
    for (auto _ : state) {
        cards.cdtTerm();
        cards.cdtDraw(p, 10, 10, card, mode);
    }
}
BENCHMARK(firstDraw)->Args({1, 0})->Args({2, 0})->Args({1, 1})->Args({2, 1})->Args({1, 2});

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

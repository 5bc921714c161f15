// The table on the real main window (offscreen): CPU time of a whole Gin Rummy deal (ten
// cards to each side and the upcard, with the table rebuilt around it) and of one 400-pixel
// AnimateCard, both at animation delay 0. The program folder is the benchmark's own folder,
// where the build copies the pictures.

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <benchmark/benchmark.h>
#include <map>

#include "app/frm_main.h"
#include "platform/card_library.h"

namespace {

using namespace quillan;

// A real clock and real waits; fixed settings; nothing is ever shown or played.
class BenchPlatform : public Platform {
  public:
    QString programFolder() const override { return QCoreApplication::applicationDirPath(); }
    void messageBox(const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    QString inputBox(const QString&, const QString&, const QString& d) override { return d; }
    std::optional<QColor> chooseColour(const QColor&) override { return {}; }
    void showHelp(const QString&) override {}
    void playSound(const QString&) override {}
    QString readSetting(const QString& key, const QString& d) override {
        const auto it = settings_.find(key);
        return it == settings_.end() ? d : it->second;
    }
    void writeSetting(const QString&, const QString&) override {}
    QString registryRead(const QString&, const QString&, const QString&, const QString&,
                         const QString& d) override {
        return d;
    }
    qint64 tickCount() const override { return clock_.elapsed(); }
    double timeOfDay() const override { return static_cast<double>(clock_.elapsed()) / 1000.0; }
    void shortDelay(int) override {}
    void doEvents() override {}
    void sleepMs(int ms) override { QThread::msleep(static_cast<unsigned long>(ms)); }
    float rnd() override { return 0.37f; }
    void randomize() override {}

  private:
    std::map<QString, QString> settings_{
        {"isPoker", "False"}, {"prfAnimationDelay", "0"}, {"prfSound", "False"}};
    QElapsedTimer clock_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
};

QApplication& application() {
    static int argc = 1;
    static char name[] = "table_window_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

void BM_GinRummyDealAtDelayZero(benchmark::State& state) {
    application();
    BenchPlatform platform;
    FrmMain w(platform);
    w.Form_Load();
    for (auto _ : state) {
        w.mnuPlayRummy_Click();
    }
}
BENCHMARK(BM_GinRummyDealAtDelayZero)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_AnimateCard400AtDelayZero(benchmark::State& state) {
    application();
    BenchPlatform platform;
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

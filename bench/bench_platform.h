#pragma once
// Shared by the table benchmarks: a Platform with a real clock and real sleeps, fixed
// settings, and nothing ever shown or played; and one offscreen QApplication.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <map>
#include <utility>

#include "platform/platform.h"

namespace quillan::bench {

class BenchPlatform : public Platform {
  public:
    explicit BenchPlatform(std::map<QString, QString> settings = {})
        : settings_(std::move(settings)) {
        clock_.start();
    }
    QString programFolder() const override { return QCoreApplication::applicationDirPath(); }
    void messageBox(const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&, DefaultAnswer = DefaultAnswer::Yes) override {
        return false;
    }
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
    void frameWait(int ms) override {
        if (ms > 0) {
            QThread::msleep(static_cast<unsigned long>(ms));
        }
    }
    float rnd() override { return 0.37f; }
    void randomize() override {}

  private:
    std::map<QString, QString> settings_;
    QElapsedTimer clock_;
};

// The benchmarks' one QApplication, on the offscreen platform unless another is asked for.
inline QApplication& offscreenApplication() {
    static int argc = 1;
    static char name[] = "quillan_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The statistics of the hands played here stay out of the user's data folder.
    static const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    static QApplication app(argc, argv);
    return app;
}

} // namespace quillan::bench

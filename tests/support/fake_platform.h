#pragma once
// A Platform for tests: message and input boxes are answered from scripted queues and
// recorded, sounds and help calls are recorded, the settings store is a map, waits are
// instant (they advance a fake clock and still let queued events run; a frame wait keeps
// input back, as the window system does, until events are next let run in full), and the
// random generator is a seeded std::mt19937.

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "platform/platform.h"

namespace quillan::test {

class HeldInput;

class FakePlatform : public Platform {
  public:
    explicit FakePlatform(QString folder = {}, unsigned seed = 12345);
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    QString programFolder() const override { return folder_; }
    QString writableFolder() const override { return writable.isEmpty() ? folder_ : writable; }
    void messageBox(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title,
                  DefaultAnswer preferred = DefaultAnswer::Yes) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    void showHelp(const QString& helpFile) override { helpShown << helpFile; }
    void playSound(const QString& path) override { sounds << path; }
    QString readSetting(const QString& key, const QString& defaultText) override;
    void writeSetting(const QString& key, const QString& text) override;
    QString registryRead(const QString& root, const QString& keyPath, const QString& valueName,
                         const QString& typeLetter, const QString& defaultValue) override;
    qint64 tickCount() const override { return clockMs; }
    double timeOfDay() const override { return static_cast<double>(clockMs) / 1000.0; }
    void shortDelay(int ms) override;
    void doEvents() override;
    void frameWait(int ms) override;
    float rnd() override;
    void randomize() override { ++reseeds; }

    // What the code under test showed and played.
    QStringList messages;                        // text of every OK box, in order
    QStringList messageTitles;                   // their titles
    QStringList questions;                       // text of every Yes/No box
    std::vector<DefaultAnswer> questionDefaults; // and its default button
    QStringList prompts;                         // prompt of every input box
    QStringList sounds;                          // every sound path played
    QStringList helpShown;
    QStringList settingsWriteOrder; // keys in the order they were written

    // Scripted answers; when a queue is empty: Yes/No answers No, input returns the default.
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;
    std::optional<QColor> colourAnswer;
    std::deque<float> rndAnswers; // taken first by rnd(); then the seeded generator

    std::map<QString, QString> settings; // the settings store
    QString writable;                    // where files are written; empty: the program folder
    QString registryAnswer;              // empty: registry reads return their default
    qint64 clockMs = 1000;
    int reseeds = 0;
    int delayCalls = 0;
    std::function<void(int)> onDelay;               // called with the length of every shortDelay
    std::function<void(int)> onSleep;               // called with the length of every frameWait
    std::function<void(const QString&)> onInput;    // called with every input box's prompt
    std::function<void()> onEvents;                 // called each time events are let run
    std::function<void(const QString&)> onQuestion; // called with every Yes/No box's text

  private:
    QString folder_;
    std::mt19937 generator_;
    std::unique_ptr<HeldInput> held_; // input posted during frame waits, until doEvents
};

} // namespace quillan::test

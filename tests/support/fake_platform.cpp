#include "support/fake_platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace quillan::test {

// Input events posted by a test reach their widgets even while user input is excluded; during
// a frame wait they are taken back and kept, and posted again when events are next let run in
// full, so they wait as input from the window system does.
class HeldInput : public QObject {
  public:
    void holdWhile(const std::function<void()>& run) {
        QCoreApplication::instance()->installEventFilter(this);
        run();
        QCoreApplication::instance()->removeEventFilter(this);
    }
    void release() {
        for (auto& [receiver, event] : std::exchange(held_, {})) {
            if (receiver) {
                QCoreApplication::postEvent(receiver, event.release());
            }
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!event->isInputEvent()) {
            return false;
        }
        held_.emplace_back(QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

  private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

FakePlatform::FakePlatform(QString folder, unsigned seed)
    : folder_(std::move(folder)), generator_(seed), held_(std::make_unique<HeldInput>()) {}

FakePlatform::~FakePlatform() = default;

void FakePlatform::messageBox(const QString& text, const QString& title) {
    messages << text;
    messageTitles << title;
}

bool FakePlatform::askYesNo(const QString& text, const QString&, DefaultAnswer preferred) {
    questions << text;
    questionDefaults.push_back(preferred);
    if (onQuestion) {
        onQuestion(text);
    }
    if (yesNoAnswers.empty()) {
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString FakePlatform::inputBox(const QString& prompt, const QString&, const QString& defaultText) {
    prompts << prompt;
    if (onInput) {
        onInput(prompt);
    }
    if (inputAnswers.empty()) {
        return defaultText;
    }
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QColor> FakePlatform::chooseColour(const QColor&) {
    return colourAnswer;
}

QString FakePlatform::readSetting(const QString& key, const QString& defaultText) {
    const auto it = settings.find(key);
    return it == settings.end() ? defaultText : it->second;
}

void FakePlatform::writeSetting(const QString& key, const QString& text) {
    settings[key] = text;
    settingsWriteOrder << key;
}

QString FakePlatform::registryRead(const QString&, const QString&, const QString&, const QString&,
                                   const QString& defaultValue) {
    return registryAnswer.isEmpty() ? defaultValue : registryAnswer;
}

void FakePlatform::shortDelay(int ms) {
    ++delayCalls;
    if (onDelay) {
        onDelay(ms);
    }
    if (ms > 0) {
        clockMs += ms;
    }
    doEvents();
}

void FakePlatform::doEvents() {
    if (onEvents) {
        onEvents();
    }
    held_->release();
    QCoreApplication::processEvents();
}

void FakePlatform::frameWait(int ms) {
    if (onSleep) {
        onSleep(ms);
    }
    if (ms > 0) {
        clockMs += ms;
    }
    held_->holdWhile([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

float FakePlatform::rnd() {
    if (!rndAnswers.empty()) {
        const float scripted = rndAnswers.front();
        rndAnswers.pop_front();
        return scripted;
    }
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    float r = uniform(generator_);
    return r < 1.0f ? r : 0.0f;
}

} // namespace quillan::test

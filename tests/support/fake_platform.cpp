#include "support/fake_platform.h"

#include <QCoreApplication>

namespace quillan::test {

FakePlatform::FakePlatform(QString folder, unsigned seed)
    : folder_(std::move(folder)), generator_(seed) {}

void FakePlatform::messageBox(const QString& text, const QString& title) {
    messages << text;
    messageTitles << title;
}

bool FakePlatform::askYesNo(const QString& text, const QString&, DefaultAnswer preferred) {
    questions << text;
    questionDefaults.push_back(preferred);
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
    QCoreApplication::processEvents();
}

void FakePlatform::sleepMs(int ms) {
    if (onSleep) {
        onSleep(ms);
    }
    if (ms > 0) {
        clockMs += ms;
    }
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

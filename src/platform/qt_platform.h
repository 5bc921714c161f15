#pragma once
// The Platform of the running program: Qt dialogs, an INI settings store, the X server's
// pointer mapping for the mouse question, the system clock, local event loops for waits,
// QSoundEffect for sound cues and a clock-mixed random generator.

#include <QPointer>
#include <QSettings>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/platform.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"

namespace quillan {

class QtPlatform : public Platform {
  public:
    // Without a writable folder, files are written in the program folder.
    explicit QtPlatform(QString programFolder, QString writableFolder = {});
    ~QtPlatform() override;

    QString programFolder() const override { return folder_; }
    QString writableFolder() const override { return writableFolder_; }
    void messageBox(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title,
                  DefaultAnswer preferred = DefaultAnswer::Yes) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    void showHelp(const QString& helpFile) override;
    void playSound(const QString& path) override;
    QString readSetting(const QString& key, const QString& defaultText) override;
    void writeSetting(const QString& key, const QString& text) override;
    QString registryRead(const QString& root, const QString& keyPath, const QString& valueName,
                         const QString& typeLetter, const QString& defaultValue) override;
    qint64 tickCount() const override;
    double timeOfDay() const override;
    void shortDelay(int ms) override;
    void doEvents() override;
    void frameWait(int ms) override;
    float rnd() override { return random_.next(); }
    void randomize() override;

    // The window that shows help files; without one, help opens in the desktop's browser.
    void setHelpViewer(std::function<void(const QString& helpFile)> open) {
        helpViewer_ = std::move(open);
    }

    // The window every message, question and input box is centred on (the main window);
    // without one, or once it is gone, the window active at the time.
    void setDialogParent(QWidget* window) { dialogParent_ = window; }

    // Where the settings are stored (for messages and tests).
    QString settingsFile() const { return store_.fileName(); }

  private:
    QWidget* dialogParent() const;

    QString folder_;
    QString writableFolder_;
    QSettings store_;
    RandomSource random_;
    std::unique_ptr<SoundPlayer> sound_;
    std::function<void(const QString&)> helpViewer_;
    QPointer<QWidget> dialogParent_;
};

} // namespace quillan

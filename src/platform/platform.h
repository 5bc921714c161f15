#pragma once
// Everything the game asks of the host system goes through one Platform object: message
// and input boxes, the colour dialog, the help viewer, sound, the settings store, the
// registry question about the mouse buttons, the clock, waits and the random generator.
// The program uses QtPlatform; tests inject a fake that answers boxes from a script,
// records what was shown and played, and makes waits instant.

#include <QColor>
#include <QString>
#include <optional>

namespace quillan {

// The answer a Yes/No box gives to Enter: its default button.
enum class DefaultAnswer { Yes, No };

class Platform {
  public:
    virtual ~Platform() = default;

    // The program's folder: the pictures, sounds and help file it reads live here.
    virtual QString programFolder() const = 0;
    // Where stats.dat and bug.txt are read and written: the program folder when it may be
    // written, else the player's own data folder (which the writer creates when missing).
    virtual QString writableFolder() const { return programFolder(); }

    // Message box with an OK button.
    virtual void messageBox(const QString& text, const QString& title) = 0;
    // Message box with Yes and No buttons; true for Yes. `preferred` is its default button.
    virtual bool askYesNo(const QString& text, const QString& title,
                          DefaultAnswer preferred = DefaultAnswer::Yes) = 0;
    // Input box; returns the text typed, or an empty text when the player cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // Standard colour dialog; nothing when the player cancels.
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
    // Opens the help file at its contents page.
    virtual void showHelp(const QString& helpFile) = 0;

    // Plays a wave file without waiting; a new cue cuts off the one still playing.
    virtual void playSound(const QString& path) = 0;

    // Settings store (application "Quillan", section "Preferences").
    virtual QString readSetting(const QString& key, const QString& defaultText) = 0;
    virtual void writeSetting(const QString& key, const QString& text) = 0;

    // Registry read: (root, key path, value name, type letter, default) -> value.
    virtual QString registryRead(const QString& root, const QString& keyPath,
                                 const QString& valueName, const QString& typeLetter,
                                 const QString& defaultValue) = 0;

    // Milliseconds since some fixed point; used for waits.
    virtual qint64 tickCount() const = 0;
    // Seconds since midnight, as the clock-reading calibration expects.
    virtual double timeOfDay() const = 0;
    // Waits `ms` milliseconds while letting window events run (returns at once for ms <= 0).
    virtual void shortDelay(int ms) = 0;
    // Lets pending window events run once.
    virtual void doEvents() = 0;
    // Waits `ms` milliseconds between the frames of a card in flight, letting queued window
    // events other than input run (repaints, timers, the window manager's messages); input,
    // a close request among it, stays queued until events are next let run in full. With
    // ms <= 0 the pending ones run once.
    virtual void frameWait(int ms) = 0;

    // Uniform random number in [0, 1).
    virtual float rnd() = 0;
    // Mixes the current clock into the generator's state.
    virtual void randomize() = 0;
};

} // namespace quillan

#include "platform/qt_platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "platform/mouse_buttons.h"

namespace quillan {

namespace {

const QString kSection = QStringLiteral("Preferences/");

QString settingsKey(const QString& key) {
    return kSection + key;
}

} // namespace

QtPlatform::QtPlatform(QString programFolder, QString writableFolder)
    : folder_(std::move(programFolder)),
      writableFolder_(writableFolder.isEmpty() ? folder_ : std::move(writableFolder)),
      store_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillan"),
             QStringLiteral("Quillan")),
      sound_(std::make_unique<SoundPlayer>()) {
    randomize();
}

QtPlatform::~QtPlatform() {
    store_.sync();
}

// Between two boxes no window may be active for a moment; the main window stays put, so a
// box never lands in the middle of the screen instead.
QWidget* QtPlatform::dialogParent() const {
    return dialogParent_ ? dialogParent_.data() : QApplication::activeWindow();
}

void QtPlatform::messageBox(const QString& text, const QString& title) {
    QMessageBox::information(dialogParent(), title, text, QMessageBox::Ok);
}

bool QtPlatform::askYesNo(const QString& text, const QString& title, DefaultAnswer preferred) {
    const QMessageBox::StandardButton byDefault =
        preferred == DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes;
    return QMessageBox::question(dialogParent(), title, text, QMessageBox::Yes | QMessageBox::No,
                                 byDefault) == QMessageBox::Yes;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

std::optional<QColor> QtPlatform::chooseColour(const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

void QtPlatform::showHelp(const QString& helpFile) {
    if (helpViewer_) {
        helpViewer_(helpFile);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}

void QtPlatform::playSound(const QString& path) {
    sound_->play(path);
}

QString QtPlatform::readSetting(const QString& key, const QString& defaultText) {
    const QVariant value = store_.value(settingsKey(key));
    return value.isValid() ? value.toString() : defaultText;
}

void QtPlatform::writeSetting(const QString& key, const QString& text) {
    store_.setValue(settingsKey(key), text);
    store_.sync();
}

QString QtPlatform::registryRead(const QString& root, const QString& keyPath,
                                 const QString& valueName, const QString& typeLetter,
                                 const QString& defaultValue) {
    return readRegistryValue(root, keyPath, valueName, typeLetter, defaultValue);
}

qint64 QtPlatform::tickCount() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double QtPlatform::timeOfDay() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::shortDelay(int ms) {
    if (ms <= 0) {
        doEvents();
        return;
    }
    // The timer may wake a little early; wait again for what is left.
    const qint64 due = tickCount() + ms;
    for (qint64 left = ms; left > 0; left = due - tickCount()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void QtPlatform::doEvents() {
    QCoreApplication::processEvents();
}

void QtPlatform::frameWait(int ms) {
    constexpr QEventLoop::ProcessEventsFlags kNoInput = QEventLoop::ExcludeUserInputEvents;
    if (ms <= 0) {
        QCoreApplication::processEvents(kNoInput);
        return;
    }
    const qint64 due = tickCount() + ms;
    for (qint64 left = ms; left > 0; left = due - tickCount()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(kNoInput);
    }
}

void QtPlatform::randomize() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    random_.mixIn(static_cast<std::uint64_t>(duration_cast<nanoseconds>(now).count()));
}

} // namespace quillan

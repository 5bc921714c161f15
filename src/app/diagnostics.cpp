#include "app/diagnostics.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>

namespace quillan {

namespace {
constexpr qint64 kBeatMs = 1000;
} // namespace

Diagnostics::Diagnostics() {
    if (!file().isEmpty() && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        append(QStringLiteral("started"));
    }
}

Diagnostics::~Diagnostics() {
    if (!file().isEmpty() && QCoreApplication::instance()) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

QString Diagnostics::file() {
    return qEnvironmentVariable("QUILLAN_DIAGNOSTICS");
}

void Diagnostics::append(const QString& line) {
    QFile out(file());
    if (out.open(QIODevice::Append | QIODevice::Text)) {
        out.write((line + QLatin1Char('\n')).toUtf8());
    }
}

bool Diagnostics::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint &&
        (!sinceBeat_.isValid() || sinceBeat_.elapsed() >= kBeatMs)) {
        sinceBeat_.start();
        QFile beat(file());
        beat.open(QIODevice::Append);
        beat.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillan

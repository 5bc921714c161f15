#include "app/splash_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace quillan {

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Quillan ") + versionText());
    setStyleSheet(QStringLiteral("background: #0b5d3b; color: #f4f1e6;"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Quillan"), this);
    QFont font = name->font();
    font.setPointSize(28);
    font.setBold(true);
    name->setFont(font);
    name->setAlignment(Qt::AlignCenter);
    auto* games = new QLabel(QStringLiteral("Gin Rummy and Video Poker"), this);
    games->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(versionText(), this);
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    layout->addWidget(games);
    layout->addWidget(version);
    layout->setContentsMargins(40, 30, 40, 30);
    adjustSize();
}

QString SplashWindow::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(QUILLAN_VERSION_MAJOR)
        .arg(QUILLAN_VERSION_MINOR)
        .arg(QUILLAN_VERSION_PATCH);
}

void SplashWindow::keepAbove(QWidget& window) {
    if (below_) {
        below_->removeEventFilter(this);
    }
    below_ = &window;
    window.installEventFilter(this);
}

// Without a window manager to honour "stays on top", the splash raises itself each time the
// main window comes up over it.
bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == below_ && isVisible()) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::WindowActivate:
        case QEvent::ZOrderChange:
        case QEvent::Expose:
            raise();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::showEvent(QShowEvent* event) {
    centre();
    QWidget::showEvent(event);
}

void SplashWindow::centre() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        move(screen->geometry().center() - rect().center());
    }
}

} // namespace quillan

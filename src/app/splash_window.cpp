#include "app/splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillan {

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
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

} // namespace quillan

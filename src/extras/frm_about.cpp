#include "extras/frm_about.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/splash_window.h"

namespace quillan {

namespace {

QLabel* centredLabel(const QString& text, int pointSize, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("About Gin-Rummy/Video-Poker"));
    lblTitle = centredLabel(QStringLiteral("Quillan"), 22, true, this);
    auto* games = centredLabel(QStringLiteral("Gin Rummy and Video Poker"), 11, false, this);
    lblVersion = centredLabel(QString(), 10, false, this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 18);
    layout->setSpacing(8);
    layout->addWidget(lblTitle);
    layout->addWidget(games);
    layout->addWidget(lblVersion);
    layout->addSpacing(10);
    layout->addWidget(cmdOK, 0, Qt::AlignCenter);
    Form_Activate();
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

bool FrmAbout::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        Form_Activate();
    }
    return QDialog::event(event);
}

void FrmAbout::Form_Activate() {
    lblVersion->setText(SplashWindow::versionText());
}

} // namespace quillan

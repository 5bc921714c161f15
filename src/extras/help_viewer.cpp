#include "extras/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace quillan {

namespace {

const QString kContentsAnchor = QStringLiteral("contents");
const QString kTitle = QStringLiteral("Quillan Help");

bool readable(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() > 0;
}

} // namespace

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(kTitle);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    contents_ = new QPushButton(QStringLiteral("&Contents"), this);
    back_ = new QPushButton(QStringLiteral("&Back"), this);
    back_->setEnabled(false);
    connect(contents_, &QPushButton::clicked, this, [this] { goToContents(); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(680, 620);
}

// Escape closes the window, as it closes a dialog; the browser passes on the keys it does not
// use.
void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpViewer::showContents(const QString& helpFile) {
    missing_ = !readable(helpFile);
    if (missing_) {
        showMissingFile(helpFile);
    } else {
        QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
        url.setFragment(kContentsAnchor);
        browser_->setSource(url, QTextDocument::HtmlResource);
        browser_->scrollToAnchor(kContentsAnchor);
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? kTitle : title);
    }
    contents_->setEnabled(!missing_);
    show();
    raise();
    activateWindow();
}

void HelpViewer::goToContents() {
    QUrl url = browser_->source();
    url.setFragment(kContentsAnchor);
    browser_->setSource(url, QTextDocument::HtmlResource);
}

void HelpViewer::showMissingFile(const QString& helpFile) {
    browser_->clearHistory();
    browser_->setSource(QUrl());
    browser_->setHtml(QStringLiteral("<h2>Help is not available</h2>"
                                     "<p>The help file could not be opened:</p><p><tt>%1</tt></p>"
                                     "<p>It belongs in the program's folder. Installing the "
                                     "program again puts it back.</p>")
                          .arg(QDir::toNativeSeparators(helpFile).toHtmlEscaped()));
    setWindowTitle(kTitle);
}

} // namespace quillan

#include "stats/frm_statistics.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "stats/statistics_recorder.h"
#include "stats/statistics_tabs.h"

namespace quillan {

namespace {
constexpr QSize kFirstSize(1100, 700);

// The first size, no larger than the screen leaves room for.
QSize firstSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return kFirstSize;
    }
    return kFirstSize.boundedTo(screen->availableSize() * 0.95);
}
} // namespace

FrmStatistics::FrmStatistics(StatisticsRecorder& recorder, QWidget* parent)
    : QDialog(parent), recorder_(recorder) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("Statistics"));
    setModal(false);
    tabs_ = new QTabWidget(this);
    rummy_ = new RummyStatisticsTab(tabs_);
    poker_ = new PokerStatisticsTab(tabs_);
    tabs_->addTab(rummy_, QStringLiteral("Gin Rummy"));
    tabs_->addTab(poker_, QStringLiteral("Video Poker"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* reset = buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("cmdReset"));
    // Enter closes the window, wherever the focus is; Reset takes a click, Alt+R or Space.
    reset->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(reset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    resize(firstSize());
}

void FrmStatistics::refresh() {
    const StatisticsRecord& record = recorder_.record();
    rummy_->showRecord(record, recorder_.history());
    poker_->showRecord(record.poker, recorder_.history());
}

void FrmStatistics::cmdReset_Click() {
    if (recorder_.askReset()) {
        refresh();
    }
}

} // namespace quillan

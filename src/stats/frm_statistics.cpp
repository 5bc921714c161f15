#include "stats/frm_statistics.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "stats/statistics_recorder.h"
#include "stats/statistics_tabs.h"
#include "stats/window_place_rules.h"

namespace quillan {

namespace {

constexpr QSize kFirstSize(1100, 700);

PlaceRect placeOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// A page that scrolls when the window is smaller than it (a small screen), so the window
// itself never has to be larger than the screen.
QScrollArea* scrolling(QWidget* page) {
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
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
    tabs_->addTab(scrolling(rummy_), QStringLiteral("Gin Rummy"));
    tabs_->addTab(scrolling(poker_), QStringLiteral("Video Poker"));
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
    placeNextTo(parent);
}

// Beside the main window where the screen has room, else centred on it; at a size the
// screen holds.
void FrmStatistics::placeNextTo(const QWidget* main) {
    const QScreen* screen = main != nullptr ? main->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        resize(kFirstSize);
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect frame = main != nullptr ? main->frameGeometry() : QRect(room.center(), QSize(0, 0));
    const PlaceRect place =
        placeBesideMain(placeOf(frame), kFirstSize.width(), kFirstSize.height(), placeOf(room));
    resize(place.w, place.h);
    move(place.x, place.y);
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

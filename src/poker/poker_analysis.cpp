#include "poker/poker_analysis.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <algorithm>

#include "app/frm_main.h"

namespace quillan {

namespace {
constexpr int kPollMs = 40;
constexpr int kGap = 8;
} // namespace

PokerAnalysis::PokerAnalysis(FrmMain& main) : QObject(&main), main_(main) {
    item_ = main.menus.mnuAction->addAction(QStringLiteral("&Hand Analysis"));
    item_->setShortcut(QKeySequence(Qt::Key_A));
    connect(item_, &QAction::triggered, this, [this] { open(); });
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { takeTable(); });
}

PokerAnalysis::~PokerAnalysis() {
    if (building_.valid()) {
        building_.wait(); // the worker only reads constant data; let it finish
    }
}

void PokerAnalysis::open() {
    if (!view_) {
        view_ = new PokerAnalysisWindow(&main_);
        placeBesideTable();
    }
    // A hand waiting for its draw is analysed at once; a hand already drawn while the window
    // was closed is not the window's to judge.
    const bool handWaits = isSet(main_.settings.isPoker) && isSet(main_.poker.pokerDrawPending);
    if (handWaits && !(dealtHand_ && *dealtHand_ == main_.poker.pokerHand)) {
        takeDeal(main_.poker.pokerHand, true);
    } else if (!handWaits && !view_->isVisible()) {
        dealtHand_.reset();
        current_.reset();
        pendingDraw_.reset();
        pendingRefusal_.reset();
    }
    view_->show();
    view_->raise();
    startBuilding();
    analysePending();
}

// To the right of the table where the screen has room, else as far right as it fits.
void PokerAnalysis::placeBesideTable() {
    const QRect frame = main_.frameGeometry();
    QRect place(QPoint(frame.right() + kGap, frame.top()), view_->size());
    if (const QScreen* screen = main_.screen()) {
        const QRect room = screen->availableGeometry();
        place.setHeight(std::min(place.height(), room.height()));
        place.moveRight(std::min(place.right(), room.right()));
        place.moveBottom(std::min(place.bottom(), room.bottom()));
        place.moveLeft(std::max(place.left(), room.left()));
        place.moveTop(std::max(place.top(), room.top()));
    }
    view_->resize(place.size());
    view_->move(place.topLeft());
}

bool PokerAnalysis::following() const {
    return view_ && view_->isVisible();
}

void PokerAnalysis::takeDeal(const PokerHand& hand, bool opening) {
    if (!opening && !following()) {
        return;
    }
    dealtHand_ = hand;
    current_.reset();
    pendingDraw_.reset();
    pendingRefusal_.reset();
    drawSeen_ = false;
    analysePending();
}

void PokerAnalysis::drawn(const PokerHeld& held, int finalCategory) {
    if (!following() || !dealtHand_ || drawSeen_) {
        return;
    }
    drawSeen_ = true;
    pendingDraw_ = Draw{maskOf(held), finalCategory};
    analysePending();
}

void PokerAnalysis::refused(const PokerHeld& held) {
    if (!following() || !dealtHand_ || drawSeen_) {
        return;
    }
    pendingRefusal_ = maskOf(held);
    analysePending();
}

void PokerAnalysis::startBuilding() {
    if (table_ || building_.valid()) {
        return;
    }
    building_ =
        std::async(std::launch::async, [] { return std::make_unique<const HoldValueTable>(); });
    poll_.start();
}

void PokerAnalysis::takeTable() {
    if (!building_.valid() ||
        building_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        return;
    }
    poll_.stop();
    table_ = building_.get();
    analysePending();
}

void PokerAnalysis::waitUntilReady() {
    if (building_.valid()) {
        building_.wait();
        takeTable();
    }
}

// Shows whatever the window can show now: the values once the counts exist, the draw once
// the deal has been analysed. The tally takes each drawn hand once.
void PokerAnalysis::analysePending() {
    if (!view_) {
        return;
    }
    if (!dealtHand_) {
        view_->showWaiting();
        return;
    }
    if (!table_) {
        view_->showPreparing();
        return;
    }
    if (!current_) {
        current_ = table_->analyse(*dealtHand_);
        view_->showDeal(*current_);
    }
    if (pendingRefusal_) { // a refused hold is no draw: the tally does not take it
        view_->showRefusal(*current_, *pendingRefusal_);
        pendingRefusal_.reset();
    }
    if (pendingDraw_) {
        tally_.add(*current_, pendingDraw_->mask, pendingDraw_->finalCategory);
        view_->showDraw(*current_, pendingDraw_->mask);
        view_->showTally(tally_);
        pendingDraw_.reset();
    }
}

} // namespace quillan

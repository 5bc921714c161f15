#include "stats/statistics_recorder.h"

#include <QDir>
#include <QFileInfo>

#include "platform/platform.h"
#include "stats/frm_statistics.h"

namespace quillan {

namespace {

QString unreadableText(const StatisticsLoad& load, const QString& path) {
    QString text = QStringLiteral("The statistics file could not be read (") + load.problem +
                   QStringLiteral(").\n");
    if (load.setAsideAs.isEmpty()) {
        return text +
               QStringLiteral("It could not be moved aside either, so it is left as it "
                              "is and this run's statistics will not be saved.\n") +
               QDir::toNativeSeparators(path);
    }
    return text + QStringLiteral("It has been kept as ") +
           QDir::toNativeSeparators(QFileInfo(load.setAsideAs).fileName()) +
           QStringLiteral(" and a fresh record has been started.\n") +
           QDir::toNativeSeparators(QFileInfo(path).path());
}

} // namespace

StatisticsRecorder::StatisticsRecorder(Platform& platform, QString title, QString folder)
    : platform_(platform), title_(std::move(title)), store_(std::move(folder)) {}

// The window reads the record: it goes first.
StatisticsRecorder::~StatisticsRecorder() {
    delete window_.data();
}

void StatisticsRecorder::load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    const StatisticsLoad load = store_.load();
    record_ = load.record;
    if (!load.problem.isEmpty()) {
        writable_ = !load.setAsideAs.isEmpty();
        platform_.messageBox(unreadableText(load, store_.path()), title_);
    }
}

const StatisticsRecord& StatisticsRecorder::record() {
    load();
    return record_;
}

void StatisticsRecorder::rummyHandDealt() {
    rummyHandOpen_ = true;
}

void StatisticsRecorder::setRummyOpponent(const std::string& level) {
    rummyOpponent_ = opponentLevelIndex(level);
}

void StatisticsRecorder::rummyHandEnded(RummyVariant variant, const ScorePanel& panel,
                                        BankPoint banks) {
    recordRummy(variant, rummyHandOf(panel), banks);
}

void StatisticsRecorder::rummyTie(RummyVariant variant, BankPoint banks) {
    recordRummy(variant, RummyHand{RummyResult::Tie, 0}, banks);
}

void StatisticsRecorder::recordRummy(RummyVariant variant, const RummyHand& hand, BankPoint banks) {
    if (!rummyHandOpen_) {
        return;
    }
    rummyHandOpen_ = false;
    load();
    recordRummyHand(record_.of(variant), hand);
    if (rummyOpponent_ >= 0) {
        recordRummyHand(record_.byOpponent[static_cast<std::size_t>(rummyOpponent_)], hand);
    }
    history_.rummyBanks.push_back(banks);
    changed();
}

void StatisticsRecorder::pokerHandFinished(int category, int bet, int won, int meter) {
    load();
    if (recordPokerHand(record_.poker, category, bet, won)) {
        history_.pokerMeter.push_back(meter);
        changed();
    }
}

void StatisticsRecorder::pokerHoldRefused(int rung) {
    load();
    if (recordRefusedHold(record_.poker, rung)) {
        changed();
    }
}

void StatisticsRecorder::pokerDrawnOtherwise(int rung) {
    load();
    if (recordDrawnOtherwise(record_.poker, rung)) {
        changed();
    }
}

void StatisticsRecorder::pokerRunReached(int run) {
    load();
    if (run > record_.poker.longestRun) {
        recordPerfectRun(record_.poker, run);
        changed();
    }
}

// No is the default answer: Enter alone never erases the record.
bool StatisticsRecorder::askReset() {
    if (!platform_.askYesNo(
            QStringLiteral("Reset the statistics of both games?\nThe record kept so far is "
                           "first copied beside the file, as statistics.txt.before-reset- "
                           "followed by the date and time."),
            title_, DefaultAnswer::No)) {
        return false;
    }
    load();
    if (writable_ && !store_.keepBeforeReset()) {
        platform_.messageBox(QStringLiteral("The statistics were not reset: no copy of the "
                                            "record could be made in ") +
                                 QDir::toNativeSeparators(QFileInfo(store_.path()).path()) +
                                 QStringLiteral(".\nThe record is kept as it was."),
                             title_);
        return false;
    }
    record_ = StatisticsRecord{};
    history_ = RunHistory{};
    changed();
    return true;
}

// Written after every change; a failure is told once per run and the old file stays.
void StatisticsRecorder::changed() {
    if (writable_ && !store_.save(record_) && !saveFailShown_) {
        saveFailShown_ = true;
        platform_.messageBox(QStringLiteral("The statistics could not be saved in ") +
                                 QDir::toNativeSeparators(store_.path()) +
                                 QStringLiteral(".\nThe game goes on; the file keeps what it "
                                                "held before."),
                             title_);
    }
    if (window_ && window_->isVisible()) {
        window_->refresh();
    }
}

void StatisticsRecorder::showWindow(QWidget* parent) {
    load();
    if (!window_) {
        window_ = new FrmStatistics(*this, parent);
    }
    window_->refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace quillan

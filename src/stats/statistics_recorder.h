#pragma once
// Keeps the record of play for the main window: the window's procedures report each
// finished hand, refused hold and perfect-play run here; the record is read once, written
// after every change, and shown in the Statistics window. The banks and the credit meter
// after each hand of this run are kept for that window's charts.

#include <QPointer>
#include <QString>
#include <string>

#include "rummy/knock_rules.h"
#include "rummy/scoring_rules.h"
#include "stats/statistics_rules.h"
#include "stats/statistics_store.h"

class QWidget;

namespace quillan {

class FrmStatistics;
class Platform;

class StatisticsRecorder {
  public:
    // `folder` is where the statistics file lives.
    StatisticsRecorder(Platform& platform, QString title, QString folder = statisticsFolder());
    ~StatisticsRecorder();
    StatisticsRecorder(const StatisticsRecorder&) = delete;
    StatisticsRecorder& operator=(const StatisticsRecorder&) = delete;

    // Reads the file, once; an unreadable file is set aside with one message.
    void load();

    // Gin Rummy: a hand was dealt; it ended on the panel, or as a tie. A hand counts once,
    // whichever ending comes first. `banks` are the banks the hand leaves.
    void rummyHandDealt();
    // The level the computer plays the hand just dealt at ("standard", "strong", "expert");
    // the hand counts for that level too. Any other name counts for no level.
    void setRummyOpponent(const std::string& level);
    void rummyHandEnded(RummyVariant variant, const ScorePanel& panel, BankPoint banks);
    void rummyTie(RummyVariant variant, BankPoint banks);

    // Video Poker: a hand was drawn and paid (`meter` after the payout); the advisor refused a
    // hold while `rung` was the right play; the perfect-play run now stands at `run`.
    void pokerHandFinished(int category, int bet, int won, int meter);
    void pokerHoldRefused(int rung);
    // A hand was drawn with another hold than the ladder's play, `rung`.
    void pokerDrawnOtherwise(int rung);
    void pokerRunReached(int run);

    // Asks first (No by default); on Yes the file is copied beside itself, then the record
    // and this run's charts start afresh. Without a copy nothing is reset.
    bool askReset();

    const StatisticsRecord& record();
    const RunHistory& history() const { return history_; }
    QString filePath() const { return store_.path(); }

    // The Statistics window, opened or brought to the front.
    void showWindow(QWidget* parent);

  private:
    void changed();
    void recordRummy(RummyVariant variant, const RummyHand& hand, BankPoint banks);

    Platform& platform_;
    QString title_;
    StatisticsStore store_;
    StatisticsRecord record_;
    RunHistory history_;
    bool loaded_ = false;
    bool writable_ = true;       // false while an unreadable file could not be set aside
    bool saveFailShown_ = false; // one message per run when the file cannot be written
    bool rummyHandOpen_ = false;
    int rummyOpponent_ = 0; // in kOpponentLevelKeys, or -1
    QPointer<FrmStatistics> window_;
};

} // namespace quillan

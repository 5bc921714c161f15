#pragma once
// The Statistics window (Preferences menu): a page per game and a Reset button that asks
// first. It stays open beside the table and follows every hand as it is recorded. Close is
// its default button; Reset never is.

#include <QDialog>

class QTabWidget;

namespace quillan {

class PokerStatisticsTab;
class RummyStatisticsTab;
class StatisticsRecorder;

class FrmStatistics : public QDialog {
  public:
    FrmStatistics(StatisticsRecorder& recorder, QWidget* parent);

    // Shows the record and this run's charts as they now stand.
    void refresh();
    void cmdReset_Click();

  private:
    void placeNextTo(const QWidget* main);

    StatisticsRecorder& recorder_;
    QTabWidget* tabs_;
    RummyStatisticsTab* rummy_;
    PokerStatisticsTab* poker_;
};

} // namespace quillan

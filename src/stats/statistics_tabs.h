#pragma once
// The two pages of the Statistics window: Gin Rummy (the figures of each rule variant and
// the banks of this run) and Video Poker (bets and returns, final hands against their
// expected share, refused holds by rung, and the credit meter of this run).

#include <QWidget>

#include "stats/statistics_rules.h"

class QChartView;
class QTableWidget;

namespace quillan {

class RummyStatisticsTab : public QWidget {
  public:
    explicit RummyStatisticsTab(QWidget* parent);
    void showRecord(const StatisticsRecord& record, const RunHistory& history);

  private:
    QTableWidget* figures_;
    QChartView* banks_;
};

class PokerStatisticsTab : public QWidget {
  public:
    explicit PokerStatisticsTab(QWidget* parent);
    void showRecord(const PokerRecord& record, const RunHistory& history);

  private:
    void showFinals(const PokerRecord& record);

    QTableWidget* summary_;
    QTableWidget* finals_;
    QTableWidget* refused_;
    QChartView* meter_;
    QChartView* shares_;
};

// A read-only table of `rows` x `columns` cells with the given column headings.
QTableWidget* makeFigureTable(QWidget* parent, const QString& objectName, int rows,
                              const QStringList& headings);
// Makes `table` exactly as tall as its rows and as wide as its columns need.
void fitToRows(QTableWidget* table);
// Writes one cell; numbers are right-aligned, words left-aligned.
void setCell(QTableWidget* table, int row, int column, const QString& text, bool number = true);

} // namespace quillan

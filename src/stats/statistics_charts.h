#pragma once
// The Statistics window's charts, drawn by Qt Charts: a line per figure over the hands of
// this run, and the final Video Poker hands beside their expected shares as bars.

#include <QString>
#include <QStringList>
#include <vector>

class QChartView;
class QWidget;

namespace quillan {

struct ChartLine {
    QString name;
    std::vector<int> values; // one per hand, hand 1 first
};

// A chart view with its own chart, antialiased, sized for a tab.
QChartView* makeChartView(QWidget* parent, const QString& objectName);

// Redraws `view` as lines over the hand number; with no hands it says so under the title, on
// a line of its own so that a narrow chart still shows the title whole.
void showLines(QChartView* view, const QString& title, const std::vector<ChartLine>& lines,
               const QString& valueTitle);

// Redraws `view` as horizontal bars, the first category at the top, two bars a category:
// `actual` and `expected`, in percent.
void showShares(QChartView* view, const QString& title, const QStringList& categories,
                const std::vector<double>& actual, const std::vector<double>& expected);

} // namespace quillan

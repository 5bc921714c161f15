#include "stats/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "stats/chart_axis_rules.h"

namespace quillan {

namespace {

constexpr int kMinimumChartHeight = 240;
constexpr int kPointsShownUpTo = 40; // fewer hands than this: each hand marked as a dot

// An empty chart of the view's, the old series and axes gone.
QChart* clearedChart(QChartView* view, const QString& title) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis; // removed axes are the caller's to free
    }
    chart->setTitle(title);
    return chart;
}

// A little headroom above the highest value, on a round number.
double roundedTop(double top) {
    if (top <= 0.0) {
        return 1.0;
    }
    const double magnitude = std::pow(10.0, std::floor(std::log10(top)));
    for (const double step : {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0}) {
        if (step * magnitude >= top * 1.05) {
            return step * magnitude;
        }
    }
    return 10.0 * magnitude;
}

// Ticks on every multiple of the step, each a whole number.
void setWholeNumbers(QValueAxis* axis, const AxisRange& range) {
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setRange(static_cast<double>(range.low), static_cast<double>(range.high));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(static_cast<double>(range.step));
}

} // namespace

QChartView* makeChartView(QWidget* parent, const QString& objectName) {
    auto* view = new QChartView(new QChart(), parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(kMinimumChartHeight);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->chart()->setMargins(QMargins(4, 4, 4, 4));
    return view;
}

void showLines(QChartView* view, const QString& title, const std::vector<ChartLine>& lines,
               const QString& valueTitle) {
    std::size_t hands = 0;
    for (const ChartLine& line : lines) {
        hands = std::max(hands, line.values.size());
    }
    QChart* chart = clearedChart(
        view, hands == 0 ? title + QStringLiteral("<br>(no hands played in this run yet)") : title);
    auto* x = new QValueAxis();
    x->setTitleText(QStringLiteral("Hand of this run"));
    setWholeNumbers(x, handAxisFor(static_cast<long>(hands)));
    auto* y = new QValueAxis();
    y->setTitleText(valueTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    long low = 0;
    long high = 0;
    for (const ChartLine& line : lines) {
        auto* series = new QLineSeries();
        series->setName(line.name);
        series->setPointsVisible(line.values.size() < kPointsShownUpTo);
        for (std::size_t i = 0; i < line.values.size(); ++i) {
            series->append(static_cast<double>(i + 1), line.values[i]);
            low = std::min<long>(low, line.values[i]);
            high = std::max<long>(high, line.values[i]);
        }
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    setWholeNumbers(y, valueAxisFor(low, high));
}

void showShares(QChartView* view, const QString& title, const QStringList& categories,
                const std::vector<double>& actual, const std::vector<double>& expected) {
    QChart* chart = clearedChart(view, title);
    auto* mine = new QBarSet(QStringLiteral("This record"));
    auto* best = new QBarSet(QStringLiteral("Expected with best play"));
    QStringList bottomUp;
    double top = 0.0;
    for (qsizetype i = categories.size() - 1; i >= 0; --i) {
        const auto at = static_cast<std::size_t>(i);
        bottomUp << categories[i];
        *mine << actual[at];
        *best << expected[at];
        top = std::max({top, actual[at], expected[at]});
    }
    auto* series = new QHorizontalBarSeries();
    series->append(mine);
    series->append(best);
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis();
    names->append(bottomUp);
    auto* shares = new QValueAxis();
    shares->setRange(0.0, std::min(100.0, roundedTop(top))); // shares never pass 100%
    shares->setLabelFormat(QStringLiteral("%.0f%%"));
    shares->setTitleText(QStringLiteral("Share of final hands"));
    chart->addAxis(names, Qt::AlignLeft);
    chart->addAxis(shares, Qt::AlignBottom);
    series->attachAxis(names);
    series->attachAxis(shares);
}

} // namespace quillan

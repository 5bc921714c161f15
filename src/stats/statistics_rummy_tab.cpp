// The Gin Rummy page: a column of figures per rule variant and per computer level, and the
// banks of this run.
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

#include "stats/statistics_charts.h"
#include "stats/statistics_tabs.h"

namespace quillan {

namespace {

struct FigureRow {
    const char* caption;
    std::function<Count(const RummyRecord&)> value;
};

Count by(const RummyRecord& r, RummyResult result) {
    return r.byResult(result);
}

const std::vector<FigureRow>& figureRows() {
    static const std::vector<FigureRow> rows{
        {"Hands played", [](const RummyRecord& r) { return r.played(); }},
        {"Hands won", [](const RummyRecord& r) { return r.won(); }},
        {"    by knock", [](const RummyRecord& r) { return by(r, RummyResult::WonByKnock); }},
        {"    by gin", [](const RummyRecord& r) { return by(r, RummyResult::WonByGin); }},
        {"    by undercut", [](const RummyRecord& r) { return by(r, RummyResult::WonByUndercut); }},
        {"Hands lost", [](const RummyRecord& r) { return r.lost(); }},
        {"    by knock", [](const RummyRecord& r) { return by(r, RummyResult::LostByKnock); }},
        {"    by gin", [](const RummyRecord& r) { return by(r, RummyResult::LostByGin); }},
        {"    by undercut",
         [](const RummyRecord& r) { return by(r, RummyResult::LostByUndercut); }},
        {"Ties", [](const RummyRecord& r) { return r.ties(); }},
        {"Points won", [](const RummyRecord& r) { return r.pointsWon; }},
        {"Points lost", [](const RummyRecord& r) { return r.pointsLost; }},
        {"Longest winning streak", [](const RummyRecord& r) { return r.longestStreak; }},
    };
    return rows;
}

} // namespace

RummyStatisticsTab::RummyStatisticsTab(QWidget* parent) : QWidget(parent) {
    const auto& rows = figureRows();
    figures_ = makeFigureTable(this, QStringLiteral("rummyFigures"), static_cast<int>(rows.size()),
                               {QStringLiteral("Gin Rummy"), QStringLiteral("Simple"),
                                QStringLiteral("Standard"), QStringLiteral("Oklahoma"),
                                QStringLiteral("vs Standard"), QStringLiteral("vs Strong"),
                                QStringLiteral("vs Expert")});
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        setCell(figures_, row, 0, QString::fromUtf8(rows[static_cast<std::size_t>(row)].caption),
                false);
    }
    fitToRows(figures_);
    banks_ = makeChartView(this, QStringLiteral("rummyBanks"));
    auto* notes = new QLabel(
        QStringLiteral("A hand is won by undercut when the computer knocks and your deadwood is "
                       "not higher; it is lost by undercut when that happens to your knock.\n\n"
                       "Points are the hand's total on the score panel, penalties included.\n\n"
                       "A winning streak is hands won in a row; a hand lost or tied ends it."),
        this);
    notes->setWordWrap(true);
    notes->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The figures (a column per variant and per level) and the notes side by side; the chart
    // of the banks below them, as wide as the page.
    auto* top = new QHBoxLayout();
    top->addWidget(figures_, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addWidget(notes, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 0);
    layout->addWidget(banks_, 1);
}

void RummyStatisticsTab::showRecord(const StatisticsRecord& record, const RunHistory& history) {
    const auto& rows = figureRows();
    const auto showColumn = [&](int column, const RummyRecord& r) {
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            setCell(figures_, row, column,
                    QString::number(rows[static_cast<std::size_t>(row)].value(r)));
        }
    };
    for (int v = 0; v < kRummyVariantCount; ++v) {
        showColumn(v + 1, record.rummy[static_cast<std::size_t>(v)]);
    }
    // Then each level of the computer, all variants together.
    for (int l = 0; l < kOpponentLevelCount; ++l) {
        showColumn(kRummyVariantCount + 1 + l, record.byOpponent[static_cast<std::size_t>(l)]);
    }
    ChartLine player{QStringLiteral("Your bank"), {}};
    ChartLine computer{QStringLiteral("Computer's bank"), {}};
    for (const BankPoint& p : history.rummyBanks) {
        player.values.push_back(p.player);
        computer.values.push_back(p.computer);
    }
    showLines(banks_, QStringLiteral("The banks after each hand"), {player, computer},
              QStringLiteral("Points"));
}

} // namespace quillan

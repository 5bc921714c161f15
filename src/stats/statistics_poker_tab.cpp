// The Video Poker page: what was bet and won against the machine's return, the final hands
// against their share with best play, the refused holds by rung, and the meter of this run.
#include <QChartView>
#include <QGridLayout>
#include <QTableWidget>

#include "poker/poker_ladder_rules.h"
#include "stats/statistics_charts.h"
#include "stats/statistics_format_rules.h"
#include "stats/statistics_tabs.h"

namespace quillan {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The ladder's caption without the column's padding blanks.
QString rungName(int category) {
    const std::string_view caption = pokerLabelCaption(category);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())).simplified();
}

QString groupName(int group) {
    const int category = kFinalGroups[static_cast<std::size_t>(group)].category;
    return category == 0 ? QStringLiteral("No win") : rungName(category);
}

const QString kDrawnOtherwiseHeading = QStringLiteral("Drawn otherwise");

const QStringList kSummaryRows{
    QStringLiteral("Hands played"),     QStringLiteral("Credits bet"),
    QStringLiteral("Credits won"),      QStringLiteral("Actual return"),
    QStringLiteral("Machine's return"), QStringLiteral("Longest perfect-play run"),
};

} // namespace

PokerStatisticsTab::PokerStatisticsTab(QWidget* parent) : QWidget(parent) {
    summary_ =
        makeFigureTable(this, QStringLiteral("pokerSummary"), static_cast<int>(kSummaryRows.size()),
                        {QStringLiteral("Video Poker"), QStringLiteral("")});
    for (int row = 0; row < kSummaryRows.size(); ++row) {
        setCell(summary_, row, 0, kSummaryRows[row], false);
    }
    finals_ = makeFigureTable(this, QStringLiteral("pokerFinals"), kFinalGroupCount,
                              {QStringLiteral("Final hand"), QStringLiteral("Hands"),
                               QStringLiteral("Share"), QStringLiteral("Expected")});
    for (int g = 0; g < kFinalGroupCount; ++g) {
        setCell(finals_, g, 0, groupName(g), false);
        setCell(finals_, g, 3, text(shareText(kFinalGroups[static_cast<std::size_t>(g)].odds)));
    }
    refused_ = makeFigureTable(
        this, QStringLiteral("pokerRefused"), kCategoryCount,
        {QStringLiteral("Right play"), QStringLiteral("Wrong holds"), kDrawnOtherwiseHeading});
    refused_->horizontalHeaderItem(2)->setToolTip(
        QStringLiteral("Hands drawn with another hold than the ladder's play, in either "
                       "advisor mode (a refused hold is not drawn)"));
    for (int rung = kFirstCategory; rung <= kLastCategory; ++rung) {
        setCell(refused_, rung - 1, 0, rungName(rung), false);
    }
    for (QTableWidget* table : {summary_, finals_, refused_}) {
        fitToRows(table);
    }
    meter_ = makeChartView(this, QStringLiteral("pokerMeter"));
    shares_ = makeChartView(this, QStringLiteral("pokerShares"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(summary_, 0, 0, Qt::AlignTop);
    grid->addWidget(finals_, 0, 1, Qt::AlignTop);
    grid->addWidget(refused_, 0, 2, 2, 1, Qt::AlignTop);
    grid->addWidget(meter_, 1, 0);
    grid->addWidget(shares_, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 4);
    grid->setColumnStretch(2, 2);
    grid->setRowStretch(1, 1);
}

void PokerStatisticsTab::showRecord(const PokerRecord& record, const RunHistory& history) {
    setCell(summary_, 0, 1, QString::number(record.handsPlayed()));
    setCell(summary_, 1, 1, QString::number(record.creditsBet));
    setCell(summary_, 2, 1, QString::number(record.creditsWon));
    setCell(summary_, 3, 1, text(returnText(actualReturn(record))));
    setCell(summary_, 4, 1, text(returnText(kTheoreticalReturn)));
    setCell(summary_, 5, 1, QString::number(record.longestRun));
    fitToRows(summary_);
    for (int rung = kFirstCategory; rung <= kLastCategory; ++rung) {
        const auto at = static_cast<std::size_t>(rung - 1);
        setCell(refused_, rung - 1, 1, QString::number(record.refused[at]));
        setCell(refused_, rung - 1, 2, QString::number(record.drawnOtherwise[at]));
    }
    showFinals(record);
    showLines(meter_, QStringLiteral("The credit meter after each hand"),
              {ChartLine{QStringLiteral("Credits"), history.pokerMeter}},
              QStringLiteral("Credits"));
}

void PokerStatisticsTab::showFinals(const PokerRecord& record) {
    QStringList names;
    std::vector<double> actual;
    std::vector<double> expected;
    for (int g = 0; g < kFinalGroupCount; ++g) {
        const std::optional<double> share = finalShare(record, g);
        setCell(finals_, g, 1, QString::number(record.finalHands[static_cast<std::size_t>(g)]));
        setCell(finals_, g, 2, text(shareText(share)));
        names << groupName(g);
        actual.push_back(share.value_or(0.0) * 100.0);
        expected.push_back(kFinalGroups[static_cast<std::size_t>(g)].odds * 100.0);
    }
    showShares(shares_, QStringLiteral("Final hands against best play"), names, actual, expected);
}

} // namespace quillan

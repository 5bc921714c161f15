#include "poker/poker_analysis_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillan {

namespace {

const QColor kBestRow(0xD8, 0xF0, 0xD0);
const QColor kYourRow(0xFF, 0xF0, 0xB0);
const QColor kYourMistakeRow(0xFF, 0xD8, 0xC8);
const QColor kRedSuit(0xC0, 0x00, 0x00);

QString number(double value, int decimals = 4) {
    return QString::number(value, 'f', decimals);
}

bool redSuit(int cardValue) {
    return cardValue % 4 == 1 || cardValue % 4 == 2; // diamonds, hearts
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QString heldNames(const DealAnalysis& analysis, unsigned mask) {
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        if ((mask >> i) & 1u) {
            names << pokerCardName(analysis.deal[i].cardvalue);
        }
    }
    return names.isEmpty() ? QStringLiteral("nothing (draw five)") : names.join(' ');
}

QString playMarks(const DealAnalysis& analysis, const HoldValue& hold, bool yours, bool refused) {
    QStringList marks;
    if (hold.scaled() == analysis.best().scaled()) {
        marks << QStringLiteral("Best");
    }
    if (hold.ladder) {
        marks << QStringLiteral("Ladder");
    }
    if (yours) {
        marks << (refused ? QStringLiteral("Refused") : QStringLiteral("Yours"));
    }
    return marks.join(QStringLiteral(", "));
}

} // namespace

QString pokerCardName(int cardValue) {
    static const char* const kRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K"};
    static const QString kSuits[] = {QStringLiteral("\u2663"), QStringLiteral("\u2666"),
                                     QStringLiteral("\u2665"), QStringLiteral("\u2660")};
    if (cardValue < 0 || cardValue > 51) {
        return QStringLiteral("?");
    }
    return QString::fromLatin1(kRanks[cardValue / 4]) + kSuits[cardValue % 4];
}

PokerAnalysisWindow::PokerAnalysisWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("Hand Analysis"));
    auto* layout = new QVBoxLayout(this);
    headline_ = new QLabel(this);
    headline_->setWordWrap(true);
    layout->addWidget(headline_);

    holds_ = new QTableWidget(0, 8, this);
    holds_->setHorizontalHeaderLabels({"", "", "", "", "", QStringLiteral("Per credit"),
                                       QStringLiteral("Cost"), QStringLiteral("Play")});
    holds_->verticalHeader()->setDefaultSectionSize(holds_->fontMetrics().height() + 4);
    holds_->verticalHeader()->setMinimumWidth(28);
    holds_->setSelectionMode(QAbstractItemView::NoSelection);
    holds_->setFocusPolicy(Qt::NoFocus);
    holds_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < kCardColumns; ++c) {
        holds_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    holds_->horizontalHeader()->setSectionResizeMode(kReturnColumn, QHeaderView::ResizeToContents);
    holds_->horizontalHeader()->setSectionResizeMode(kCostColumn, QHeaderView::ResizeToContents);
    holds_->horizontalHeader()->setSectionResizeMode(kPlayColumn, QHeaderView::Stretch);
    holds_->horizontalHeaderItem(kCostColumn)
        ->setToolTip(QStringLiteral("Credits given away against the best hold, on a bet of 5"));
    layout->addWidget(holds_, 1);

    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    layout->addWidget(verdict_);
    tally_ = new QLabel(this);
    tally_->setWordWrap(true);
    layout->addWidget(tally_);
    showWaiting();
    showTally(SessionTally{});
    resize(470, 33 * holds_->verticalHeader()->defaultSectionSize() + 150);
}

QString PokerAnalysisWindow::headline() const {
    return headline_->text();
}
QString PokerAnalysisWindow::verdict() const {
    return verdict_->text();
}
QString PokerAnalysisWindow::tallyLine() const {
    return tally_->text();
}

void PokerAnalysisWindow::showPreparing() {
    holds_->setRowCount(0);
    headline_->setText(QStringLiteral("Working out the value of every hold..."));
    verdict_->clear();
}

void PokerAnalysisWindow::showWaiting() {
    holds_->setRowCount(0);
    headline_->setText(QStringLiteral("Deal a Video Poker hand to see the value of every hold."));
    verdict_->clear();
}

void PokerAnalysisWindow::showDeal(const DealAnalysis& analysis) {
    QStringList dealt;
    for (int i = 0; i < 5; ++i) {
        dealt << pokerCardName(analysis.deal[i].cardvalue);
    }
    const auto rung = pokerLabelCaption(analysis.ladderCategory);
    headline_->setText(
        QStringLiteral("Dealt %1. Ladder: %2. Best: hold %3, %4 per credit.")
            .arg(dealt.join(' '),
                 QString::fromUtf8(rung.data(), static_cast<qsizetype>(rung.size())).trimmed(),
                 heldNames(analysis, analysis.best().mask), number(analysis.best().perCredit())));
    fillRows(analysis, std::nullopt);
    verdict_->setText(
        QStringLiteral("Hold your cards and draw: your hold and its cost show here."));
}

void PokerAnalysisWindow::showDraw(const DealAnalysis& analysis, unsigned heldMask) {
    fillRows(analysis, heldMask);
    const HoldValue& yours = analysis.forMask(heldMask);
    const double cost = analysis.costOf(heldMask);
    QString text = QStringLiteral("You held %1: %2 per credit, ")
                       .arg(heldNames(analysis, heldMask), number(yours.perCredit()));
    if (yours.scaled() == analysis.best().scaled()) {
        text += QStringLiteral("the best play.");
    } else {
        text += QStringLiteral("%1 credits less than holding %2 (place %3 of 32).")
                    .arg(number(cost), heldNames(analysis, analysis.best().mask))
                    .arg(analysis.rankOf(heldMask) + 1);
    }
    verdict_->setText(text);
    holds_->scrollToItem(holds_->item(analysis.rankOf(heldMask), kPlayColumn));
}

void PokerAnalysisWindow::showRefusal(const DealAnalysis& analysis, unsigned heldMask) {
    fillRows(analysis, heldMask, true);
    const HoldValue& refused = analysis.forMask(heldMask);
    const HoldValue& ladder = analysis.ladderHold();
    QString text = QStringLiteral("Hold refused: %1, worth %2 per credit")
                       .arg(heldNames(analysis, heldMask), number(refused.perCredit()));
    if (refused.scaled() != analysis.best().scaled()) {
        text += QStringLiteral(", %1 credits less than the best hold (place %2 of 32)")
                    .arg(number(analysis.costOf(heldMask)))
                    .arg(analysis.rankOf(heldMask) + 1);
    }
    text += QStringLiteral(". The ladder's play: hold %1, %2 per credit. Hold again and draw.")
                .arg(heldNames(analysis, ladder.mask), number(ladder.perCredit()));
    verdict_->setText(text);
    holds_->scrollToItem(holds_->item(analysis.rankOf(heldMask), kPlayColumn));
}

void PokerAnalysisWindow::showTally(const SessionTally& tally) {
    const QString played = tally.hands() == 1
                               ? QStringLiteral("1 hand analysed")
                               : QStringLiteral("%1 hands analysed").arg(tally.hands());
    const QString actual =
        tally.hands() == 0 ? QStringLiteral("-") : number(100.0 * tally.actualReturn(), 2) + '%';
    tally_->setText(
        QStringLiteral("This session: %1, %2 held as the best play, mistakes cost %3 "
                       "credits. Return %4 (best play %5%).")
            .arg(played)
            .arg(tally.matched())
            .arg(number(tally.mistakeCost(), 2), actual, number(100.0 * kBestPlayReturn, 2)));
}

void PokerAnalysisWindow::fillRows(const DealAnalysis& analysis, std::optional<unsigned> heldMask,
                                   bool refused) {
    holds_->clearSpans();
    holds_->setRowCount(kHoldCount);
    for (int i = 0; i < 5; ++i) {
        auto* header = cell(pokerCardName(analysis.deal[i].cardvalue));
        if (redSuit(analysis.deal[i].cardvalue)) {
            header->setForeground(kRedSuit);
        }
        holds_->setHorizontalHeaderItem(i, header);
    }
    for (int row = 0; row < kHoldCount; ++row) {
        const HoldValue& hold = analysis.holds[static_cast<std::size_t>(row)];
        fillRow(row, analysis, hold, heldMask && hold.mask == (*heldMask & 31u), refused);
    }
}

void PokerAnalysisWindow::fillRow(int row, const DealAnalysis& analysis, const HoldValue& hold,
                                  bool yours, bool refused) {
    const bool best = hold.scaled() == analysis.best().scaled();
    const QColor back = yours ? (best ? kYourRow : kYourMistakeRow) : best ? kBestRow : QColor();
    const auto put = [&](int column, QTableWidgetItem* item) {
        if (back.isValid()) {
            item->setBackground(back);
        }
        if (yours || best) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        }
        holds_->setItem(row, column, item);
    };
    for (int i = 0; i < 5; ++i) {
        const int value = analysis.deal[i].cardvalue;
        auto* item = cell((hold.mask >> i) & 1u ? pokerCardName(value) : QString());
        if (redSuit(value)) {
            item->setForeground(kRedSuit);
        }
        put(i, item);
    }
    if (hold.mask == 0) { // nothing kept: say so across the card columns
        holds_->item(row, 0)->setText(QStringLiteral("draw five"));
        holds_->setSpan(row, 0, 1, kCardColumns);
    }
    put(kReturnColumn, cell(number(hold.perCredit()), Qt::AlignRight));
    const double cost = analysis.costOf(hold.mask);
    put(kCostColumn, cell(best ? QString() : number(cost), Qt::AlignRight));
    put(kPlayColumn, cell(playMarks(analysis, hold, yours, refused), Qt::AlignLeft));
}

} // namespace quillan

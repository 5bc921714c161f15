// The pay column shows beside each paying hand what it pays on the bet of 5, right-aligned
// in the row's own text colour; the rows' captions stay the ladder's names.
#include <QImage>

#include "poker/pay_row_label.h"
#include "poker/poker_ladder_rules.h"
#include "support/poker_window_fixture.h"

using namespace quillan;
using quillan::test::PokerWindowTest;

namespace {

using PayAmounts = PokerWindowTest;

const PayRowLabel* row(FrmMain& w, int index) {
    return dynamic_cast<const PayRowLabel*>(w.table.pkLabel[size_t(index)]);
}

// Columns of the row's picture, from `fromX` rightwards, holding a pixel close to `ink`.
std::vector<int> inkColumns(QLabel* label, const QColor& ink, int fromX) {
    const QImage picture = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = picture.devicePixelRatio();
    std::vector<int> columns;
    for (int x = qRound(fromX * dpr); x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            const QColor c = picture.pixelColor(x, y);
            if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                    std::abs(c.blue() - ink.blue()) <
                60) {
                columns.push_back(qRound(x / dpr));
                break;
            }
        }
    }
    return columns;
}

} // namespace

TEST_F(PayAmounts, EveryPayingRowShowsItsAmountAndTheCaptionsStayAsTheyWere) {
    FrmMain& w = poker(true);
    const std::map<int, QString> pays = {{1, "4000"}, {2, "250"}, {3, "125"}, {4, "45"}, {6, "30"},
                                         {7, "20"},   {8, "15"},  {10, "10"}, {11, "5"}};
    for (int category = 1; category <= 21; ++category) {
        const PayRowLabel* label = row(w, category - 1);
        ASSERT_NE(label, nullptr) << category;
        const std::string_view caption = pokerLabelCaption(category);
        EXPECT_EQ(label->text().toStdString(), caption) << category;
        const auto it = pays.find(category);
        EXPECT_EQ(label->amountText(), it == pays.end() ? QString() : it->second) << category;
    }
}

TEST_F(PayAmounts, TheAmountIsDrawnAtTheRightInTheRowsTextColour) {
    FrmMain& w = poker(true);
    const int width = w.table.pkLabel[0]->width();
    ASSERT_GT(width, 100);
    const int right = width - PayRowLabel::kAmountMargin;
    // Row 0 (Royal, 4000) rests grey with white text; row 1 (250) light grey, system text.
    for (const int index : {0, 1, 3}) {
        QLabel* label = w.table.pkLabel[size_t(index)];
        const QColor ink = label->palette().color(QPalette::WindowText);
        const std::vector<int> ink_ = inkColumns(label, ink, width / 2);
        ASSERT_FALSE(ink_.empty()) << index;
        EXPECT_LE(ink_.back(), right) << index;
        EXPECT_GE(ink_.back(), right - 3) << index; // flush against the margin
    }
    // "4 To a Royal " pays nothing: no ink on its right half.
    QLabel* draw = w.table.pkLabel[4];
    EXPECT_TRUE(inkColumns(draw, draw->palette().color(QPalette::WindowText), width / 2).empty());
    // A lit row draws its amount in the black of its caption; at rest High Pair is white.
    QLabel* highPair = w.table.pkLabel[10];
    EXPECT_TRUE(inkColumns(highPair, Qt::black, width / 2).empty());
    w.paintPayLabel(10, 0x00C000);
    EXPECT_FALSE(inkColumns(highPair, Qt::black, width / 2).empty());
}

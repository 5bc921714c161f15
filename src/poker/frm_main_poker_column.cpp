// The Video Poker pay column: the credit meter, the run counter with its countdown, and
// the 21 labels of the strategy ladder, best category at the top.
#include <QLabel>

#include "app/frm_main.h"
#include "poker/pay_row_label.h"
#include "poker/poker_ladder_rules.h"
#include "poker/poker_pay_rules.h"
#include "table/table_canvas.h"
#include "table/table_design.h"

namespace quillan {

namespace {

constexpr int kLabelRows = 23; // 21 labels under two rows of meter and counters
const QColor kColumnColour(24, 24, 24);

QColor rgbColour(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                  static_cast<int>(rgb & 0xFFu));
}

// The row of `category`: its caption, and what the hand pays when it pays.
QLabel* columnLabel(int category, QWidget* parent) {
    const std::string_view caption = pokerLabelCaption(category);
    const auto payout = payoutFor(category);
    auto* label =
        new PayRowLabel(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                        payout ? payout->pays : 0, parent);
    label->setAutoFillBackground(true);
    label->setIndent(4);
    return label;
}

void paintLabel(QLabel* label, const QColor& back, const QColor& text) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
}

} // namespace

void FrmMain::buildPokerColumn() {
    ui.picPokerLabels = new QWidget(ui.table);
    ui.picPokerLabels->setAutoFillBackground(true);
    QPalette palette = ui.picPokerLabels->palette();
    palette.setColor(QPalette::Window, kColumnColour);
    palette.setColor(QPalette::WindowText, Qt::white);
    ui.picPokerLabels->setPalette(palette);
    ui.picPokerLabels->resize(kPayColumnWidth, kPayColumnWidth);
    QWidget* column = ui.picPokerLabels;
    table.Label1 = new QLabel(QStringLiteral("Won"), column);
    new QLabel(QStringLiteral("Hands"), column); // captions of the two counters
    new QLabel(QStringLiteral("Timer"), column);
    ui.pklblWinnings = new QLabel(QStringLiteral("0"), column);
    ui.pklblWinnings->setToolTip(QStringLiteral("Credit meter: the credits you have to play"));
    ui.pkLabelHands = new QLabel(QStringLiteral("0"), column);
    ui.pkLabelTimer = new QLabel(QStringLiteral("100"), column);
    for (int i = 0; i < kPayLabels; ++i) {
        table.pkLabel[static_cast<std::size_t>(i)] = columnLabel(i + 1, column);
    }
    restPayLabels();
    ui.picPokerLabels->hide();
}

void FrmMain::restPayLabels() {
    const QColor systemText = QPalette().color(QPalette::WindowText);
    for (int i = 0; i < kPayLabels; ++i) {
        const LabelLook look = restingLabelLook(i);
        paintLabel(table.pkLabel[static_cast<std::size_t>(i)], rgbColour(look.back),
                   look.systemText ? systemText : rgbColour(look.text));
    }
}

// A highlighted label: black text on `back`; indices off the column are left alone.
void FrmMain::paintPayLabel(int index, std::uint32_t back) {
    if (index < 0 || index >= kPayLabels) {
        return;
    }
    paintLabel(table.pkLabel[static_cast<std::size_t>(index)], rgbColour(back), Qt::black);
}

// The column is as tall as the table less 24 pixels; label 20 ("All Trash") at the bottom,
// each label above the next, and the meter and the counters in the two rows on top.
void FrmMain::layoutPokerColumn() {
    const int height = ui.table->tableSize().height() - 24;
    const int width = ui.picPokerLabels->width();
    ui.picPokerLabels->resize(width, height);
    const int h = height / kLabelRows;
    int top = height - h;
    for (int i = kPayLabels - 1; i >= 0; --i) {
        table.pkLabel[static_cast<std::size_t>(i)]->setGeometry(0, top, width, h);
        top -= h;
    }
    const int quarter = width / 4;
    table.Label1->setGeometry(6, 0, quarter, h);
    ui.pklblWinnings->setGeometry(quarter + 6, 0, 3 * quarter - 6, h);
    const QList<QLabel*> captions = ui.picPokerLabels->findChildren<QLabel*>();
    for (QLabel* caption : captions) {
        if (caption->text() == QStringLiteral("Hands")) {
            caption->setGeometry(6, h, quarter, h);
        } else if (caption->text() == QStringLiteral("Timer")) {
            caption->setGeometry(2 * quarter + 6, h, quarter, h);
        }
    }
    ui.pkLabelHands->setGeometry(quarter + 6, h, quarter - 6, h);
    ui.pkLabelTimer->setGeometry(3 * quarter + 6, h, quarter - 6, h);
}

} // namespace quillan

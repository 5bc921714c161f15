// The figure tables of the Statistics window: read only, no grid clutter, sized to fit.
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "stats/statistics_tabs.h"

namespace quillan {

QTableWidget* makeFigureTable(QWidget* parent, const QString& objectName, int rows,
                              const QStringList& headings) {
    auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), parent);
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void fitToRows(QTableWidget* table) {
    const int frame = 2 * table->frameWidth();
    table->setFixedHeight(table->horizontalHeader()->height() + table->verticalHeader()->length() +
                          frame);
    int width = frame;
    for (int c = 0; c < table->columnCount(); ++c) {
        width += std::max(table->horizontalHeader()->sectionSizeHint(c), table->columnWidth(c));
    }
    table->setMinimumWidth(std::max(table->minimumWidth(), width));
}

void setCell(QTableWidget* table, int row, int column, const QString& text, bool number) {
    QTableWidgetItem* item = table->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem();
        table->setItem(row, column, item);
    }
    item->setText(text);
    item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

} // namespace quillan

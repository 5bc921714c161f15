#include "app/table_size_menu.h"

#include <QActionGroup>

#include "platform/table_size_store.h"

namespace quillan {

namespace {

QString caption(TableSize size) {
    if (size == TableSize::Automatic) {
        return QStringLiteral("&Automatic");
    }
    return QString::number(static_cast<int>(size)) + QLatin1Char('%');
}

QString note(int percentNow) {
    const QString later = QStringLiteral("A new size takes effect at the next start");
    if (percentNow <= 0) {
        return QStringLiteral("Now set by QT_SCALE_FACTOR. ") + later;
    }
    return QStringLiteral("Now %1%. ").arg(percentNow) + later;
}

} // namespace

TableSizeMenu::TableSizeMenu(TableSize chosen, int percentNow, Store store, QWidget* parent)
    : QMenu(QStringLiteral("Table Si&ze"), parent), chosen_(chosen), store_(std::move(store)) {
    auto* group = new QActionGroup(this);
    for (const TableSize size : kTableSizes) {
        QAction* item = addAction(caption(size));
        item->setCheckable(true);
        item->setChecked(size == chosen_);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, size] { choose(size); });
    }
    addSeparator();
    addAction(note(percentNow))->setEnabled(false);
}

void TableSizeMenu::choose(TableSize size) {
    if (size == chosen_) {
        return;
    }
    chosen_ = size;
    store_(size);
}

TableSizeMenu* addTableSizeMenu(QMenu& menu, int percentNow) {
    auto* sizes = new TableSizeMenu(readTableSize(), percentNow, writeTableSize, &menu);
    menu.addSeparator();
    menu.addMenu(sizes);
    return sizes;
}

} // namespace quillan
